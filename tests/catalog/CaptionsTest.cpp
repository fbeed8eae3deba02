#include "text/Captions.h"

#include <gtest/gtest.h>

#include <set>
#include <tuple>

namespace {

QString u(const char16_t* text)
{
    return QString::fromUtf16(text);
}

QString textOf(const char* form, const char* control, Language language,
               CaptionProperty property = CaptionProperty::Caption, int index = -1)
{
    const CaptionEntry* entry = captionsFor(form).find(control, property, index);
    return entry ? entry->text(language) : QStringLiteral("<missing>");
}

TEST(Captions, LanguageMenuItemsNameTheirLanguages)
{
    using P = CaptionProperty;
    EXPECT_EQ(textOf("TForm1", "China", Language::Simplified, P::MenuCaption), u(u"中文"));
    EXPECT_EQ(textOf("TForm1", "fanti", Language::Simplified, P::MenuCaption), u(u"繁體"));
    EXPECT_EQ(textOf("TForm1", "China", Language::Traditional, P::MenuCaption), u(u"中文简体"));
    EXPECT_EQ(textOf("TForm1", "fanti", Language::Traditional, P::MenuCaption), u(u"中文繁體"));
    EXPECT_EQ(textOf("TForm1", "China", Language::English, P::MenuCaption), u(u"Simplified Chinese"));
    for (Language l : {Language::Simplified, Language::Traditional, Language::English})
        EXPECT_EQ(textOf("TForm1", "Enlish", l, P::MenuCaption), u(u"Enlish"));
}

TEST(Captions, FormsAndPropertiesAreKeptApart)
{
    using P = CaptionProperty;
    // The same control name means different things on different forms.
    EXPECT_EQ(textOf("TForm1", "Label1", Language::English), u(u"Type"));
    EXPECT_EQ(textOf("TForm3", "Label1", Language::English), u(u"Find"));
    EXPECT_EQ(textOf("TForm4", "Label1", Language::Traditional), u(u"開始地址"));
    EXPECT_EQ(textOf("TForm4", "BitBtn2", Language::English), u(u"Cance"));
    EXPECT_EQ(textOf("TForm2", "BtnExit", Language::English), u(u"Quit"));

    EXPECT_EQ(textOf("TForm1", "StatusBar1", Language::English, P::PanelText, 0), u(u"State"));
    EXPECT_EQ(textOf("TForm1", "StatusBar1", Language::Traditional, P::PanelText, 2), u(u"使用時間"));
    EXPECT_EQ(textOf("TForm1", "StatusBar1", Language::English, P::PanelText, 1), u(u"<missing>"));
    EXPECT_EQ(textOf("TForm1", "TForm1", Language::English, P::WindowTitle),
              u(u"Zorvex USB High Speed Programmer"));
    EXPECT_EQ(textOf("TForm2", "TForm2", Language::Traditional, P::WindowTitle), u(u"芯片編輯"));
    EXPECT_EQ(textOf("TForm1", "Buff", Language::English, P::MenuCaption), u(u"Buffer(&B)"));
    EXPECT_EQ(textOf("TForm1", "Buff", Language::English), u(u"<missing>"));

    EXPECT_EQ(textOf("TForm3.ListView1", "ListView1", Language::Traditional, P::ColumnTitle, 1),
              u(u"廠商"));
    // The search list columns are the dialog's business, not ApplyLanguage's.
    EXPECT_EQ(captionsFor(u"TForm3").find(u"ListView1", P::ColumnTitle, 0), nullptr);
}

TEST(Captions, DesignedCaptionsDifferOnlyWhereTheFormsWereDrawnSo)
{
    const CaptionSet& form1 = captionsFor(u"TForm1");
    EXPECT_EQ(form1.find(u"TForm1", CaptionProperty::WindowTitle)->designedText(), u(u"USB 编程器"));
    EXPECT_EQ(form1.find(u"N5", CaptionProperty::MenuCaption)->designedText(), u(u"关于"));
    EXPECT_EQ(form1.find(u"O1", CaptionProperty::MenuCaption)->designedText(), u(u"文件(&F)"));
    int differing = 0;
    for (const CaptionEntry& e : form1.entries)
        differing += e.designedText() != e.text(Language::Simplified);
    EXPECT_EQ(differing, 5);
}

TEST(Captions, EverySetIsCompleteAndUnambiguous)
{
    for (const char* name : {"TForm1", "TForm2", "TForm3", "TForm3.ListView1", "TForm4"}) {
        const CaptionSet& set = captionsFor(name);
        ASSERT_FALSE(set.isEmpty()) << name;
        std::set<std::tuple<std::string, CaptionProperty, int>> seen;
        for (const CaptionEntry& e : set.entries) {
            EXPECT_TRUE(seen.emplace(e.control, e.property, e.index).second)
                << name << " has " << e.control << " twice";
            for (Language l : {Language::Simplified, Language::Traditional, Language::English})
                EXPECT_FALSE(e.text(l).isEmpty()) << name << " " << e.control;
        }
    }
    EXPECT_TRUE(captionsFor(u"TForm9").isEmpty());
}

TEST(Captions, OutOfRangeLanguageYieldsNothingToApply)
{
    const CaptionEntry* entry = captionsFor(u"TForm4").find(u"GroupBox1");
    ASSERT_NE(entry, nullptr);
    EXPECT_EQ(entry->text(Language::English), u(u"Data"));
    EXPECT_TRUE(entry->text(static_cast<Language>(LanguageCount)).isNull());
    EXPECT_TRUE(entry->text(static_cast<Language>(-1)).isNull());
}

} // namespace
