#include "CommonOptions.h"

#include "ChipCommandLine.h"

#include "programmer/ChipSession.h"

#include "text/Languages.h"
#include "text/MessageCatalogExtra.h"

#include <algorithm>
#include <array>
#include <optional>

namespace {

using Value = CommonOption::Value;
using Spec = ChipCommandSpec;

// "12MHz|6MHz|...": the speeds as a message lists them.
QString speedList()
{
    QStringList texts;
    for (const char* text : ChipSession::SpeedNames)
        texts << QLatin1String(text);
    return texts.join(QLatin1Char('|'));
}

QString applySpeed(ChipCommandLine& line, const QString& value)
{
    const auto speed = std::find_if(std::begin(ChipSession::SpeedNames), std::end(ChipSession::SpeedNames), [&value](const char* text) {
        return value.compare(QLatin1String(text), Qt::CaseInsensitive) == 0;
    });
    if (speed == std::end(ChipSession::SpeedNames))
        return ExtraMessages::text(ExtraText::CliUnknownSpeed).arg(value, speedList());
    line.speedIndex = static_cast<int>(speed - std::begin(ChipSession::SpeedNames));
    return {};
}

QString applySimulate(ChipCommandLine& line, const QString& value)
{
    line.simulate = true;
    line.simulatorConfig = value;
    return {};
}

// An option whose value is kept as it was given.
template <QString ChipCommandLine::*Field>
QString store(ChipCommandLine& line, const QString& value)
{
    line.*Field = value;
    return {};
}

QString applyLanguage(ChipCommandLine& line, const QString& value)
{
    const std::optional<Language> language = languageForCode(value);
    if (!language)
        return ExtraMessages::text(ExtraText::CliUnknownLanguage).arg(value, languageCodes());
    line.language = *language;
    return {};
}

QString applyYes(ChipCommandLine& line, const QString&)
{
    line.assumeYes = true;
    return {};
}

// New shared options go at the end; the manual page and the bash completion list them too.
constexpr std::array Options{
    CommonOption{"--speed", Value::Required, "SPEED", Spec::Programmer,
                 CliText::SpeedOption, applySpeed},
    CommonOption{"--simulate", Value::InlineOptional, "CONFIG", Spec::Programmer,
                 CliText::SimulateOption,
                 applySimulate},
    CommonOption{"--usb-library", Value::Required, "PATH", Spec::Programmer,
                 CliText::UsbLibraryOption, store<&ChipCommandLine::usbLibrary>},
    CommonOption{"--db", Value::Required, "FILE", 0,
                 CliText::DatabaseOption, store<&ChipCommandLine::databasePath>},
    CommonOption{"--lang", Value::Required, "LANG", 0, CliText::LanguageOption, applyLanguage},
    CommonOption{"--yes", Value::None, nullptr, Spec::Yes,
                 CliText::YesOption, applyYes},
    CommonOption{"--programmer", Value::Required, "SEL", Spec::Programmer,
                 CliText::ProgrammerOption, store<&ChipCommandLine::programmer>},
};

}  // namespace

std::span<const CommonOption> commonOptions()
{
    return Options;
}

const CommonOption* findCommonOption(QStringView name)
{
    for (const CommonOption& option : Options) {
        if (name == QLatin1String(option.name))
            return &option;
    }
    return nullptr;
}

QString commonOptionSynopsis(const CommonOption& option)
{
    const QLatin1String name(option.name);
    switch (option.value) {
    case Value::None: break;
    case Value::Required: return QStringLiteral("%1 %2").arg(name, QLatin1String(option.valueName));
    case Value::InlineOptional: return QStringLiteral("%1[=%2]").arg(name, QLatin1String(option.valueName));
    }
    return name;
}

QString commonOptionHelp(const CommonOption& option)
{
    const QString text = cliText(option.help);
    return option.help == CliText::LanguageOption ? text.arg(languageCodes()) : text;
}

LeadingOptions LeadingOptions::split(const QStringList& arguments)
{
    LeadingOptions leading;
    qsizetype i = 0;
    for (; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (argument == u"--") {
            ++i;
            break;
        }
        if (!argument.startsWith(u'-'))
            break;
        if (argument == u"--help" || argument == u"-h") {
            leading.help = true;
            continue;
        }
        if (argument == u"--version") {
            leading.version = true;
            continue;
        }
        const qsizetype equals = argument.indexOf(u'=');
        const QStringView name = equals < 0 ? QStringView(argument) : QStringView(argument).first(equals);
        const CommonOption* option = findCommonOption(name);
        if (!option) {
            leading.error = ExtraMessages::text(ExtraText::CliNotLeadingOption)
                                .arg(name);
            return leading;
        }
        leading.options << argument;
        // A value given apart travels with its option; a missing one is the command's to report.
        if (option->value == Value::Required && equals < 0 && i + 1 < arguments.size())
            leading.options << arguments[++i];
    }
    if (i < arguments.size()) {
        leading.command = arguments[i];
        leading.rest = arguments.mid(i + 1);
    }
    return leading;
}

std::optional<Language> languageAsked(const QStringList& arguments)
{
    std::optional<Language> language;
    for (qsizetype i = 0; i < arguments.size() && arguments[i] != u"--"; ++i) {
        if (arguments[i] == u"--lang" && i + 1 < arguments.size())
            language = languageForCode(arguments[++i]);
        else if (arguments[i].startsWith(u"--lang="))
            language = languageForCode(arguments[i].mid(7));
    }
    return language;
}
