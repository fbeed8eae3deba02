#include "app/SettingsFile.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class SettingsFileTest : public ::testing::Test {
protected:
    void write(const char* text)
    {
        QFile file(m_path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(text);
    }
    [[nodiscard]] QString text() const
    {
        QFile file(m_path);
        return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
    }
    // How often a section header is in the file, letter case ignored.
    [[nodiscard]] int headers(const QString& section) const
    {
        const QRegularExpression header(QStringLiteral("^\\[%1\\]$").arg(section),
            QRegularExpression::MultilineOption | QRegularExpression::CaseInsensitiveOption);
        return static_cast<int>(text().count(header));
    }

    QTemporaryDir m_dir;
    QString m_path = m_dir.filePath(QStringLiteral("zorvex.ini"));
};

TEST_F(SettingsFileTest, NamesMatchInAnyLetterCase)
{
    write("[environment]\nformtop=200\n[Device]\nChip=1\nlangu=2\nSPEED=x\n");
    const SettingsFile settings(m_path);
    EXPECT_EQ(settings.intValue("Environment", "FormTop"), 200);
    EXPECT_EQ(settings.intValue("DEVICE", "chip"), 1);
    EXPECT_EQ(settings.intValue("DEVICE", "LANGU"), 2);
    EXPECT_EQ(settings.intValue("DEVICE", "SPEED"), std::nullopt);  // not a number
    EXPECT_EQ(settings.intValue("CHIP", "INDEX1"), std::nullopt);   // missing
    EXPECT_EQ(settings.readInt("CHIP", "INDEX1", 7), 7);
}

TEST_F(SettingsFileTest, WritingKeepsTheFilesSpellingAndAddsWhatIsNew)
{
    write("[environment]\nformtop=200\n[Device]\nChip=1\nlangu=2\n");
    {
        SettingsFile settings(m_path);
        settings.writeInt("Environment", "FormTop", 5);
        settings.writeInt("DEVICE", "LANGU", 0);
        settings.writeInt("DEVICE", "SPEED", 3);
        settings.writeInt("CHIP", "INDEX1", 4);
        settings.writeString("chip", "Note", "a b");  // the spelling just written counts too
        EXPECT_EQ(settings.stringValue("Chip", "NOTE"), "a b");
        ASSERT_TRUE(settings.sync());
    }
    const QString written = text();
    EXPECT_TRUE(written.contains("[environment]\nformtop=5\n")) << written.toStdString();
    EXPECT_TRUE(written.contains("\nlangu=0\n")) << written.toStdString();
    EXPECT_TRUE(written.contains("\nChip=1\n")) << written.toStdString();
    EXPECT_TRUE(written.contains("\nSPEED=3\n")) << written.toStdString();
    EXPECT_TRUE(written.contains("[CHIP]\nINDEX1=4\n")) << written.toStdString();
    EXPECT_EQ(headers("environment"), 1);
    EXPECT_EQ(headers("device"), 1);
    EXPECT_EQ(headers("chip"), 1);
    EXPECT_TRUE(written.contains("[Device]"));
    EXPECT_FALSE(written.contains(QRegularExpression("LANGU|FormTop"))) << written.toStdString();
}

TEST_F(SettingsFileTest, SpellingsSideBySideAreReadFirstInTheFileFirstAndFoldedOnWrite)
{
    // What earlier versions left: the person's own section, and the program's beside it.
    write("[Device]\nchip=1\nLANGU=2\nlangu=1\n[CHIP]\nINDEX1=3\n[DEVICE]\nLANGU=0\nSPEED=3\nchip=0\n"
          "[device]\nspeed=5\nINDEX9=9\n");
    {
        SettingsFile settings(m_path);
        EXPECT_EQ(settings.intValue("DEVICE", "LANGU"), 2);
        EXPECT_EQ(settings.intValue("device", "chip"), 1);
        EXPECT_EQ(settings.intValue("DEVICE", "SPEED"), 3);
        settings.writeInt("DEVICE", "SPEED", 4);
        ASSERT_TRUE(settings.sync());
    }
    EXPECT_EQ(headers("device"), 1) << text().toStdString();
    EXPECT_TRUE(text().contains("[Device]")) << text().toStdString();
    EXPECT_EQ(headers("chip"), 1);

    const SettingsFile reread(m_path);
    EXPECT_EQ(reread.intValue("DEVICE", "LANGU"), 2);
    EXPECT_EQ(reread.intValue("DEVICE", "chip"), 1);
    EXPECT_EQ(reread.intValue("DEVICE", "SPEED"), 4);
    EXPECT_EQ(reread.intValue("DEVICE", "INDEX9"), 9);  // moved, not lost
    EXPECT_EQ(reread.intValue("CHIP", "INDEX1"), 3);
    // Each setting once: the key spellings that lost are gone with their sections.
    EXPECT_EQ(text().count(QRegularExpression("^speed=", QRegularExpression::MultilineOption
        | QRegularExpression::CaseInsensitiveOption)), 1) << text().toStdString();
}

TEST_F(SettingsFileTest, AFileThatCannotBeWrittenSaysSo)
{
    const QString folder = m_dir.filePath(QStringLiteral("folder.ini"));
    ASSERT_TRUE(QDir().mkdir(folder));
    SettingsFile settings(folder);
    settings.writeInt("DEVICE", "SPEED", 1);
    EXPECT_FALSE(settings.sync());
}

}  // namespace
