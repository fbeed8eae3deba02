#include "WindowFixture.h"

#include "text/SystemLanguage.h"

#include <QAction>

#include <optional>

namespace {

// Sets the locale variables for one test and puts back what the process had.
class LocaleVariables {
public:
    LocaleVariables()
    {
        for (const char* name : Names)
            m_saved.push_back(qEnvironmentVariableIsSet(name) ? std::optional(qgetenv(name)) : std::nullopt);
    }
    ~LocaleVariables()
    {
        for (std::size_t i = 0; i < Names.size(); ++i) {
            if (m_saved[i])
                qputenv(Names[i], *m_saved[i]);
            else
                qunsetenv(Names[i]);
        }
    }
    void set(const char* lcAll, const char* lcMessages, const char* lang, const char* language = nullptr)
    {
        const std::array<const char*, 4> values{lcAll, lcMessages, lang, language};
        for (std::size_t i = 0; i < Names.size(); ++i) {
            if (values[i])
                qputenv(Names[i], values[i]);
            else
                qunsetenv(Names[i]);
        }
    }

private:
    static constexpr std::array<const char*, 4> Names{"LC_ALL", "LC_MESSAGES", "LANG", "LANGUAGE"};
    std::vector<std::optional<QByteArray>> m_saved;
};

TEST(SystemLanguage, ChineseTerritoriesChooseTheirScriptSpokenLanguagesThemselvesAndOthersEnglish)
{
    using L = Language;
    const std::pair<const char*, Language> cases[] = {
        {"zh_CN.UTF-8", L::Simplified}, {"zh_SG", L::Simplified}, {"zh_CN.GB18030", L::Simplified},
        {"zh_TW.UTF-8", L::Traditional}, {"zh_HK.big5hkscs", L::Traditional}, {"zh_MO", L::Traditional},
        {"zh_TW.UTF-8@radical", L::Traditional}, {"zh", L::Simplified},
        {"en_US.UTF-8", L::English}, {"de_DE@euro", L::German}, {"pt_PT.UTF-8", L::PortugueseBrazil},
        {"uk_UA", L::Ukrainian}, {"vi_VN.UTF-8", L::Vietnamese}, {"ja_JP.eucJP", L::English}, {"nl_NL", L::English},
        {"C", L::Simplified}, {"C.UTF-8", L::Simplified}, {"POSIX", L::Simplified}, {"", L::Simplified},
    };
    for (const auto& [locale, language] : cases)
        EXPECT_EQ(SystemLanguage::forLocale(QString::fromLatin1(locale)), language) << locale;
}

TEST(SystemLanguage, LcAllOverridesLcMessagesWhichOverridesLang)
{
    LocaleVariables variables;
    variables.set(nullptr, nullptr, "zh_TW.UTF-8");
    EXPECT_EQ(SystemLanguage::current(), Language::Traditional);
    variables.set(nullptr, "en_GB.UTF-8", "zh_TW.UTF-8");
    EXPECT_EQ(SystemLanguage::current(), Language::English);
    variables.set("zh_HK.UTF-8", "en_GB.UTF-8", "zh_CN.UTF-8");
    EXPECT_EQ(SystemLanguage::current(), Language::Traditional);
    // An empty variable counts as not set.
    variables.set("", "", "en_US.UTF-8");
    EXPECT_EQ(SystemLanguage::current(), Language::English);
    variables.set(nullptr, nullptr, nullptr);
    EXPECT_EQ(SystemLanguage::current(), Language::Simplified);
    variables.set("fr_FR.UTF-8", nullptr, nullptr);
    EXPECT_EQ(TForm1::Environment::defaults().firstLanguage, Language::French);
    // A terminal without a locale reads English, not the window's designed language.
    variables.set(nullptr, nullptr, nullptr);
    EXPECT_EQ(SystemLanguage::forTerminal(), Language::English);
}

TEST(SystemLanguage, LanguageListGoesFirstExceptUnderTheCLocale)
{
    LocaleVariables variables;
    variables.set(nullptr, nullptr, "en_US.UTF-8", "zh_TW:en");
    EXPECT_EQ(SystemLanguage::current(), Language::Traditional);
    variables.set("zh_CN.UTF-8", nullptr, nullptr, "nl:en_GB:zh_TW");
    EXPECT_EQ(SystemLanguage::current(), Language::English);
    variables.set(nullptr, nullptr, "zh_CN.UTF-8", "de");
    EXPECT_EQ(SystemLanguage::current(), Language::German);
    variables.set(nullptr, nullptr, "zh_TW.UTF-8", "");
    EXPECT_EQ(SystemLanguage::current(), Language::Traditional);
    variables.set("C.UTF-8", nullptr, nullptr, "en");
    EXPECT_EQ(SystemLanguage::current(), Language::Simplified);
}

using FirstStartLanguage = WindowFixture;

TEST_F(FirstStartLanguage, WithoutAStoredLanguageTheWindowSpeaksTheSystemsAndKeepsIt)
{
    m_environment.firstLanguage = Language::English;
    TForm1& window = openWindow();
    EXPECT_EQ(currentLanguage(), Language::English);
    EXPECT_TRUE(window.Enlish->isChecked());
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Zorvex USB High Speed Programmer"));
    closeWindow();
    EXPECT_TRUE(readSettings().contains(QStringLiteral("LANGU=2"))) << qPrintable(readSettings());

    // Once stored, the setting wins over the system.
    m_environment.firstLanguage = Language::Traditional;
    openWindow();
    EXPECT_EQ(currentLanguage(), Language::English);
}

TEST_F(FirstStartLanguage, AStoredLanguageWinsAndASettingsFileWithoutOneStillAsksTheSystem)
{
    m_environment.firstLanguage = Language::English;
    writeSettings(QStringLiteral("[DEVICE]\nLANGU=1\n"));
    openWindow();
    EXPECT_EQ(currentLanguage(), Language::Traditional);
    closeWindow();

    m_environment.firstLanguage = Language::Traditional;
    writeSettings(QStringLiteral("[DEVICE]\nSPEED=2\n"));
    TForm1& window = openWindow();
    EXPECT_EQ(currentLanguage(), Language::Traditional);
    EXPECT_TRUE(window.fanti->isChecked());
}

}  // namespace
