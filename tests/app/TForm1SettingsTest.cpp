#include "WindowFixture.h"

#include "app/MessageBoxes.h"
#include "text/MessageCatalogExtra.h"

#include <QAction>
#include <QComboBox>
#include <QScreen>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QSettings>

#include <csignal>
#include <sys/resource.h>

namespace {

int iniInt(const QString& path, const char* key)
{
    QSettings ini(path, QSettings::IniFormat);
    bool ok = false;
    const int value = ini.value(QString::fromLatin1(key)).toInt(&ok);
    return ok ? value : -12345;
}

}  // namespace

using TForm1Settings = WindowFixture;

TEST_F(TForm1Settings, WithoutAFileEverythingHasItsDefaultAndTheFileIsCreatedOnClose)
{
    TForm1& window = openWindow();
    EXPECT_EQ(window.pos(), QPoint(10, 10));
    EXPECT_EQ(window.size(), QSize(700, 500));
    EXPECT_FALSE(window.isMaximized());
    EXPECT_FALSE(window.ToolDevice->isVisible());
    EXPECT_FALSE(window.N3->isVisible());
    EXPECT_EQ(window.ComboBox4->currentIndex(), 0);
    EXPECT_EQ(currentLanguage(), Language::Simplified);
    closeWindow();

    const QString path = m_environment.settingsPath;
    EXPECT_EQ(iniInt(path, "Environment/FormTop"), 10);
    EXPECT_EQ(iniInt(path, "Environment/FormLeft"), 10);
    EXPECT_EQ(iniInt(path, "Environment/FormHeight"), 500);
    EXPECT_EQ(iniInt(path, "Environment/FormWidth"), 700);
    EXPECT_EQ(iniInt(path, "Environment/FormMax"), 0);
    EXPECT_EQ(iniInt(path, "CHIP/INDEX1"), 0);
    EXPECT_EQ(iniInt(path, "DEVICE/SPEED"), 0);
    EXPECT_EQ(iniInt(path, "DEVICE/LANGU"), 0);
    // Nothing in the program writes the switch of the hidden device command.
    EXPECT_EQ(iniInt(path, "DEVICE/chip"), -12345);
}

TEST_F(TForm1Settings, StoredValuesComeBackAndAreWrittenOnClose)
{
    writeSettings(QStringLiteral("[Environment]\nFormMax=0\nFormTop=40\nFormLeft=30\n"
                                 "FormHeight=420\nFormWidth=640\n"
                                 "[CHIP]\nINDEX1=2\nINDEX2=-1\nINDEX3=77\n"
                                 "[DEVICE]\nchip=1\nSPEED=3\nLANGU=2\n"));
    TForm1& window = openWindow();
    EXPECT_EQ(window.pos(), QPoint(30, 40));
    EXPECT_EQ(window.size(), QSize(640, 420));
    EXPECT_TRUE(window.ToolDevice->isVisible());
    EXPECT_TRUE(window.N3->isVisible());
    EXPECT_EQ(window.ComboBox4->currentText(), QStringLiteral("1.5MHz"));
    EXPECT_EQ(currentLanguage(), Language::English);
    // Without a database nothing selects a chip, so the remembered positions pass unchanged.
    EXPECT_EQ(window.rememberedIndex(0), 2);
    EXPECT_EQ(window.rememberedIndex(1), -1);
    EXPECT_EQ(window.rememberedIndex(2), 77);
    window.ComboBox4->setCurrentIndex(5);
    window.move(50, 60);
    closeWindow();

    const QString path = m_environment.settingsPath;
    EXPECT_EQ(iniInt(path, "Environment/FormTop"), 60);
    EXPECT_EQ(iniInt(path, "Environment/FormLeft"), 50);
    EXPECT_EQ(iniInt(path, "Environment/FormWidth"), 640);
    EXPECT_EQ(iniInt(path, "CHIP/INDEX2"), -1);
    EXPECT_EQ(iniInt(path, "CHIP/INDEX3"), 77);
    EXPECT_EQ(iniInt(path, "DEVICE/SPEED"), 5);
    EXPECT_EQ(iniInt(path, "DEVICE/LANGU"), 2);
    EXPECT_EQ(iniInt(path, "DEVICE/chip"), 1);
}

TEST_F(TForm1Settings, MaximisedWindowIgnoresStoredGeometryAndSavesItsMaximisedBounds)
{
    writeSettings(QStringLiteral("[Environment]\nFormMax=1\nFormTop=40\nFormLeft=30\n"
                                 "FormHeight=300\nFormWidth=400\n"));
    TForm1& window = openWindow();
    EXPECT_TRUE(window.isMaximized());
    EXPECT_NE(window.size(), QSize(400, 300));
    const QRect maximised = window.geometry();
    closeWindow();

    const QString path = m_environment.settingsPath;
    EXPECT_EQ(iniInt(path, "Environment/FormMax"), 1);
    EXPECT_EQ(iniInt(path, "Environment/FormWidth"), maximised.width());
    EXPECT_EQ(iniInt(path, "Environment/FormHeight"), maximised.height());
}

TEST_F(TForm1Settings, ValuesThatAreNotNumbersReadAsDefaultsAndOutOfRangeValuesPassThrough)
{
    writeSettings(QStringLiteral("[Environment]\nFormTop=high\nFormWidth=\n"
                                 "[DEVICE]\nSPEED=9\nLANGU=7\nchip=no\n"));
    TForm1& window = openWindow();
    EXPECT_EQ(window.pos().y(), 10);
    EXPECT_EQ(window.width(), 700);
    EXPECT_FALSE(window.ToolDevice->isVisible());
    EXPECT_EQ(window.ComboBox4->currentIndex(), -1);
    closeWindow();

    EXPECT_EQ(iniInt(m_environment.settingsPath, "DEVICE/SPEED"), -1);
    EXPECT_EQ(iniInt(m_environment.settingsPath, "DEVICE/LANGU"), 7);
}

// Bounds from a monitor since unplugged, or typed by hand: the window comes up where it can be
// reached, no larger than the screen (a huge one took gigabytes and hid its menus).
TEST_F(TForm1Settings, StoredBoundsOffTheScreenOrBeyondItsSizeComeBackOnTheScreen)
{
    const QRect available = QGuiApplication::primaryScreen()->availableGeometry();
    const QRect stored[] = {{3000, 1500, 700, 500}, {-2000, -300, 700, 500}, {30, 40, 90000, 40000},
                            {-9999, 9999, 32767, 32767}};
    for (const QRect& bounds : stored) {
        writeSettings(QStringLiteral("[Environment]\nFormLeft=%1\nFormTop=%2\nFormWidth=%3\nFormHeight=%4\n")
                          .arg(bounds.x()).arg(bounds.y()).arg(bounds.width()).arg(bounds.height()));
        TForm1& window = openWindow();
        EXPECT_TRUE(available.contains(window.pos())) << bounds.x() << "," << bounds.y();
        EXPECT_LE(window.width(), available.width()) << bounds.width();
        EXPECT_LE(window.height(), available.height()) << bounds.height();
        closeWindow();
    }
}

TEST_F(TForm1Settings, NamesInAnyLetterCaseAreReadAndKeptOnClose)
{
    // The key a person types by hand, and sections spelled their way.
    writeSettings(QStringLiteral("[environment]\nformtop=200\nFormLeft=30\n[Device]\nChip=1\nlangu=2\n"));
    TForm1& window = openWindow();
    EXPECT_EQ(window.pos(), QPoint(30, 200));
    EXPECT_TRUE(window.ToolDevice->isVisible());
    EXPECT_EQ(currentLanguage(), Language::English);
    closeWindow();

    const QString written = readSettings();
    EXPECT_EQ(written.count(QStringLiteral("[environment]"), Qt::CaseInsensitive), 1) << written.toStdString();
    EXPECT_EQ(written.count(QStringLiteral("[device]"), Qt::CaseInsensitive), 1) << written.toStdString();
    EXPECT_TRUE(written.contains(QStringLiteral("\nformtop=200\n"))) << written.toStdString();
    EXPECT_TRUE(written.contains(QStringLiteral("\nlangu=2\n"))) << written.toStdString();
    EXPECT_TRUE(written.contains(QStringLiteral("\nChip=1\n"))) << written.toStdString();
}

TEST_F(TForm1Settings, TheWindowDoesNotCloseWhileAnOperationRuns)
{
    TForm1& window = openWindow();
    ASSERT_TRUE(whileAnOperationRuns(window, [&] {
        EXPECT_FALSE(window.close());
        EXPECT_TRUE(window.isVisible());
        EXPECT_TRUE(readSettings().isEmpty());
    }));
    // The close asked for while the operation ran happens once it is over.
    EXPECT_FALSE(window.isVisible());
    EXPECT_FALSE(readSettings().isEmpty());
}

// The settings are not worth keeping the person in the window: a write that fails says so, with
// the file and the reason, and the window closes all the same.
TEST_F(TForm1Settings, AFullDiskAtCloseSaysSoKeepsTheOldFileAndStillCloses)
{
    const QString old = QStringLiteral("[DEVICE]\nSPEED=3\nLANGU=2\n");
    writeSettings(old);
    TForm1& window = openWindow();
    window.ComboBox4->setCurrentIndex(5);
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit saved{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    rlimit none = saved;
    none.rlim_cur = 0;
    MessageBoxes::setNextAnswer(QMessageBox::Ok);
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &none), 0);
    const bool closed = window.close();
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &saved), 0);

    EXPECT_TRUE(closed);
    ASSERT_EQ(MessageBoxes::history().size(), 1);
    const MessageBoxes::Shown& box = MessageBoxes::history().front();
    EXPECT_EQ(box.icon, QMessageBox::Critical);
    EXPECT_EQ(box.title, QStringLiteral("Error"));
    EXPECT_TRUE(box.text.contains(m_environment.settingsPath)) << box.text.toStdString();
    EXPECT_TRUE(box.text.contains(QStringLiteral("File too large"))) << box.text.toStdString();
    EXPECT_TRUE(box.text.startsWith(ExtraMessages::text(ExtraText::SettingsNotSaved, Language::English)
        .section(u'%', 0, 0))) << box.text.toStdString();
    EXPECT_EQ(readSettings(), old);
    EXPECT_EQ(QDir(m_dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"zorvex.ini"});
}

TEST_F(TForm1Settings, AFolderInPlaceOfTheFileGivesDefaultsAndIsReportedAtClose)
{
    ASSERT_TRUE(QDir().mkdir(m_environment.settingsPath));
    TForm1& window = openWindow();
    EXPECT_EQ(window.size(), QSize(700, 500));
    EXPECT_EQ(window.ComboBox4->currentIndex(), 0);
    MessageBoxes::setNextAnswer(QMessageBox::Ok);
    EXPECT_TRUE(window.close());
    ASSERT_EQ(MessageBoxes::history().size(), 1);
    EXPECT_EQ(MessageBoxes::history().front().title, QStringLiteral("Error"));
    EXPECT_TRUE(MessageBoxes::history().front().text.contains(m_environment.settingsPath));
    EXPECT_TRUE(QFileInfo(m_environment.settingsPath).isDir());
}
