#include "text/MessageCatalogExtra.h"

#include <QStringEncoder>
#include <gtest/gtest.h>

namespace {

constexpr Language kLanguages[] = {Language::Simplified, Language::Traditional, Language::English};

TEST(MessageCatalogExtra, EveryTextExistsInEachLanguageAndTheChineseOnesFitGbk)
{
    QStringEncoder gbk("GBK");
    ASSERT_TRUE(gbk.isValid()) << "no GBK codec to check against";
    for (int i = 0; i < ExtraMessages::Count; ++i) {
        const auto key = static_cast<ExtraText>(i);
        for (const Language language : kLanguages)
            EXPECT_FALSE(ExtraMessages::text(key, language).isEmpty()) << i;
        for (QChar c : ExtraMessages::text(key, Language::English))
            EXPECT_LT(c.unicode(), 128) << "text " << i << " English is not plain ASCII";
        for (const Language language : {Language::Simplified, Language::Traditional}) {
            const QString text = ExtraMessages::text(key, language);
            (void)gbk.encode(text);
            EXPECT_FALSE(gbk.hasError()) << "text " << i << " is not GBK-safe: " << qPrintable(text);
            gbk.resetState();
        }
        // Placeholders are the same in every language, or an .arg() fills the wrong slot.
        for (const char* placeholder : {"%1", "%2"}) {
            const bool inEnglish = ExtraMessages::text(key, Language::English).contains(QLatin1String(placeholder));
            for (const Language language : {Language::Simplified, Language::Traditional})
                EXPECT_EQ(ExtraMessages::text(key, language).contains(QLatin1String(placeholder)), inEnglish)
                    << i << placeholder;
        }
    }
    // An edited settings file's language reads the Simplified texts, like the catalog.
    EXPECT_EQ(ExtraMessages::text(ExtraText::FindTitle, static_cast<Language>(LanguageCount)),
        ExtraMessages::text(ExtraText::FindTitle, Language::Simplified));
}

TEST(MessageCatalogExtra, EveryCatalogTextLeadsBackToItsOwnMessage)
{
    // A status text on screen is shown again in a new language by finding its message; two
    // messages sharing a text would make that ambiguous.
    for (int m = 0; m < MessageCatalog::MessageCount; ++m) {
        for (const Language language : kLanguages) {
            const auto key = static_cast<MessageKey>(m);
            EXPECT_EQ(catalogKeyOf(MessageCatalog::text(key, language)), key) << m;
        }
    }
    EXPECT_EQ(catalogKeyOf(QStringLiteral("Not connected ")), std::nullopt);
    EXPECT_EQ(catalogKeyOf(QString()), std::nullopt);
}

}  // namespace
