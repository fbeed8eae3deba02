#include "text/MessageCatalog.h"

#include <gtest/gtest.h>

namespace {

// Restores the process-wide language so tests do not leak it into each other.
class MessageCatalogTest : public ::testing::Test {
protected:
    void TearDown() override { setCurrentLanguage(Language::Simplified); }
};

QString u(const char16_t* text)
{
    return QString::fromUtf16(text);
}

TEST_F(MessageCatalogTest, TextsInEachLanguageAreExact)
{
    using K = MessageKey;
    EXPECT_EQ(MessageCatalog::text(K::ChipListDamaged, Language::Simplified), u(u"配置文件被破坏！"));
    EXPECT_EQ(MessageCatalog::text(K::ChipListDamaged, Language::Traditional), u(u"配置文件被破壞！"));
    EXPECT_EQ(MessageCatalog::text(K::ChipListDamaged, Language::English),
              u(u"The configuration file was destroyed."));

    // Leading line feeds and trailing blanks belong to the texts.
    EXPECT_EQ(MessageCatalog::text(K::ChipTypeLine, Language::English), u(u"\n\n Chip type"));
    EXPECT_EQ(MessageCatalog::text(K::SelectTypeManually, Language::Simplified),
              u(u"\n\n请手动选择对应型号烧写。"));
    EXPECT_EQ(MessageCatalog::text(K::StatusWriting, Language::Simplified), u(u"编程 Flash ..."));
    EXPECT_EQ(MessageCatalog::text(K::StatusWriting, Language::Traditional), u(u"編程 Flash ... "));
    EXPECT_EQ(MessageCatalog::text(K::StatusWriting, Language::English), u(u"Write Flash ..."));
    EXPECT_EQ(MessageCatalog::text(K::FileExistsOverwrite, Language::English),
              u(u"File already exists. Is it covered? "));
    EXPECT_EQ(MessageCatalog::text(K::ChipTypeDetected, Language::Traditional), u(u"檢測到芯片芯片類型: "));

    EXPECT_EQ(MessageCatalog::text(K::UnknownChipId, Language::English), u(u"Unknown chip ID ="));
    EXPECT_EQ(MessageCatalog::text(K::FileLargerThanChip, Language::Traditional),
              u(u"文件長度大於芯片容量,是否繼續烧录?"));
    EXPECT_EQ(MessageCatalog::text(K::BlankCheckComplete, Language::English), u(u"Bank Complete!"));
    EXPECT_EQ(MessageCatalog::text(K::BufferEmpty, Language::Traditional),
              u(u"緩沖區數據為空，請加載數據文件。"));
}

TEST_F(MessageCatalogTest, FlatTableIsIndexedByMessageTimesThreePlusLanguage)
{
    EXPECT_EQ(MessageCatalog::entry(3 * 11 + 0), u(u"准备好"));
    EXPECT_EQ(MessageCatalog::entry(3 * 11 + 1), u(u"準備好"));
    EXPECT_EQ(MessageCatalog::entry(3 * 11 + 2), u(u"Ready"));
    EXPECT_EQ(MessageCatalog::entry(0), u(u"未知型号芯片ID ="));
    EXPECT_EQ(MessageCatalog::entry(89), u(u"Bank Complete!"));
    EXPECT_TRUE(MessageCatalog::entry(-1).isNull());
    EXPECT_TRUE(MessageCatalog::entry(90).isNull());

    // A table shifted by one entry somewhere would pair a Chinese text with the English slot.
    for (int m = 0; m < MessageCatalog::MessageCount; ++m) {
        const QString english = MessageCatalog::entry(3 * m + 2);
        ASSERT_FALSE(english.isEmpty()) << m;
        for (QChar c : english)
            EXPECT_LT(c.unicode(), 128) << "message " << m << " English text is not English";
        EXPECT_FALSE(MessageCatalog::entry(3 * m).isEmpty()) << m;
        EXPECT_FALSE(MessageCatalog::entry(3 * m + 1).isEmpty()) << m;
    }
}

TEST_F(MessageCatalogTest, LookupFollowsTheCurrentLanguage)
{
    EXPECT_EQ(currentLanguage(), Language::Simplified);
    EXPECT_EQ(MessageCatalog::text(MessageKey::WriteComplete), u(u"写入完成！"));
    setCurrentLanguage(Language::English);
    EXPECT_EQ(MessageCatalog::text(MessageKey::WriteComplete), u(u"Write Complete!"));
    setCurrentLanguage(Language::Traditional);
    EXPECT_EQ(MessageCatalog::text(MessageKey::WriteComplete), u(u"寫入完成！"));
}

TEST_F(MessageCatalogTest, OutOfRangeLanguageIsKeptButReadsSimplified)
{
    for (int value : {LanguageCount, -1, 1000}) {
        const auto language = static_cast<Language>(value);
        EXPECT_FALSE(isValidLanguage(language));
        setCurrentLanguage(language);
        EXPECT_EQ(static_cast<int>(currentLanguage()), value);
        EXPECT_EQ(MessageCatalog::text(MessageKey::StatusNotConnected), u(u"编程器未接入"));
        EXPECT_EQ(MessageCatalog::text(MessageKey::AutoComplete, language), u(u"自动编程校验通过！"));
    }
}

} // namespace
