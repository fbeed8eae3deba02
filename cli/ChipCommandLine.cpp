#include "ChipCommandLine.h"

#include <array>
#include <optional>

namespace {

std::optional<int> parseSpeed(const QString& text)
{
    for (std::size_t i = 0; i < std::size(SpeedTexts); ++i) {
        if (text.compare(QLatin1String(SpeedTexts[i]), Qt::CaseInsensitive) == 0)
            return static_cast<int>(i);
    }
    return std::nullopt;
}

std::optional<Language> parseLanguage(const QString& text)
{
    const QString name = text.toLower().replace(QLatin1Char('_'), QLatin1Char('-'));
    if (name == u"en" || name == u"english" || name == u"2")
        return Language::English;
    if (name == u"zh-cn" || name == u"zh-hans" || name == u"simplified" || name == u"0")
        return Language::Simplified;
    if (name == u"zh-tw" || name == u"zh-hant" || name == u"traditional" || name == u"1")
        return Language::Traditional;
    return std::nullopt;
}

QString speedList()
{
    QStringList texts;
    for (const char* text : SpeedTexts)
        texts << QLatin1String(text);
    return texts.join(QLatin1Char('|'));
}

QString operandName(ChipCommandSpec::Operand operand)
{
    switch (operand) {
    case ChipCommandSpec::Operand::Input: return QStringLiteral("IN");
    case ChipCommandSpec::Operand::Output: return QStringLiteral("OUT");
    case ChipCommandSpec::Operand::Filter: return QStringLiteral("[FILTER]");
    case ChipCommandSpec::Operand::None: break;
    }
    return {};
}

}  // namespace

ChipCommandLine ChipCommandLine::parse(const ChipCommandSpec& spec, const QStringList& arguments)
{
    ChipCommandLine line;
    const auto takes = [&spec](unsigned group) { return (spec.options & group) != 0; };
    QStringList operands;
    for (qsizetype i = 0; i < arguments.size() && line.error.isEmpty(); ++i) {
        QString argument = arguments[i];
        if (!argument.startsWith(u"--") || argument == u"--") {
            if (argument == u"--") {
                operands += arguments.mid(i + 1);
                break;
            }
            operands << argument;
            continue;
        }
        QString name = argument;
        std::optional<QString> inlineValue;
        if (const qsizetype equals = argument.indexOf(u'='); equals > 0) {
            name = argument.left(equals);
            inlineValue = argument.mid(equals + 1);
        }
        // The option's value: after "=" or as the next argument.
        const auto value = [&]() -> std::optional<QString> {
            if (inlineValue)
                return inlineValue;
            if (i + 1 < arguments.size())
                return arguments[++i];
            return std::nullopt;
        };
        const auto needValue = [&](QString& target) {
            const std::optional<QString> v = value();
            if (!v || v->isEmpty())
                line.error = QStringLiteral("%1 needs a value").arg(name);
            else
                target = *v;
        };
        const auto noValue = [&] {
            if (inlineValue)
                line.error = QStringLiteral("%1 takes no value").arg(name);
        };

        if (name == u"--db") {
            needValue(line.databasePath);
        } else if (name == u"--lang") {
            QString text;
            needValue(text);
            if (line.error.isEmpty()) {
                const std::optional<Language> language = parseLanguage(text);
                if (!language)
                    line.error = QStringLiteral("unknown language '%1' (en, zh-CN, zh-TW)").arg(text);
                else
                    line.language = *language;
            }
        } else if (takes(ChipCommandSpec::Programmer) && name == u"--speed") {
            QString text;
            needValue(text);
            if (line.error.isEmpty()) {
                const std::optional<int> speed = parseSpeed(text);
                if (!speed)
                    line.error = QStringLiteral("unknown speed '%1' (%2)").arg(text, speedList());
                else
                    line.speedIndex = *speed;
            }
        } else if (takes(ChipCommandSpec::Programmer) && name == u"--simulate") {
            line.simulate = true;
            if (inlineValue) {
                line.simulatorConfig = *inlineValue;
                if (line.simulatorConfig.isEmpty())
                    line.error = QStringLiteral("--simulate= needs a configuration file");
            }
        } else if (takes(ChipCommandSpec::Programmer) && name == u"--usb-library") {
            needValue(line.usbLibrary);
        } else if (takes(ChipCommandSpec::Chip) && name == u"--chip") {
            needValue(line.chipModel);
        } else if (takes(ChipCommandSpec::Chip) && name == u"--maker") {
            needValue(line.maker);
        } else if (takes(ChipCommandSpec::Chip) && name == u"--detect") {
            noValue();
            line.detect = true;
        } else if (takes(ChipCommandSpec::Yes) && name == u"--yes") {
            noValue();
            line.assumeYes = true;
        } else if (takes(ChipCommandSpec::AutoSteps) && name == u"--no-erase") {
            noValue();
            line.autoOptions.erase = false;
        } else if (takes(ChipCommandSpec::AutoSteps) && name == u"--no-write") {
            noValue();
            line.autoOptions.program = false;
        } else if (takes(ChipCommandSpec::AutoSteps) && name == u"--no-verify") {
            noValue();
            line.autoOptions.verify = false;
        } else {
            line.error = QStringLiteral("unknown option %1").arg(name);
        }
    }
    if (!line.error.isEmpty())
        return line;

    const bool operandRequired =
        spec.operand == ChipCommandSpec::Operand::Input || spec.operand == ChipCommandSpec::Operand::Output;
    const qsizetype allowed = spec.operand == ChipCommandSpec::Operand::None ? 0 : 1;
    if (operands.size() > allowed)
        line.error = QStringLiteral("unexpected argument '%1'").arg(operands.value(allowed));
    else if (operandRequired && operands.isEmpty())
        line.error = QStringLiteral("%1 is missing").arg(operandName(spec.operand));
    else if (!operands.isEmpty())
        line.operand = operands.front();
    if (!line.error.isEmpty())
        return line;

    if (takes(ChipCommandSpec::Chip)) {
        if (line.detect && !line.chipModel.isEmpty())
            line.error = QStringLiteral("--chip and --detect exclude each other");
        else if (!line.detect && line.chipModel.isEmpty())
            line.error = QStringLiteral("choose the chip with --chip MODEL or --detect");
        else if (line.detect && !line.maker.isEmpty())
            line.error = QStringLiteral("--maker goes with --chip");
    }
    if (line.error.isEmpty() && line.simulate && !line.usbLibrary.isEmpty())
        line.error = QStringLiteral("--simulate and --usb-library exclude each other");
    return line;
}

QString ChipCommandLine::synopsis(const ChipCommandSpec& spec)
{
    QStringList parts;
    if (spec.options & ChipCommandSpec::Chip)
        parts << QStringLiteral("(--chip MODEL [--maker MAKER] | --detect)");
    if (spec.options & ChipCommandSpec::AutoSteps)
        parts << QStringLiteral("[--no-erase] [--no-write] [--no-verify]");
    if (spec.options & ChipCommandSpec::Yes)
        parts << QStringLiteral("[--yes]");
    parts << QStringLiteral("[options]");
    if (spec.operand != ChipCommandSpec::Operand::None)
        parts << operandName(spec.operand);
    return parts.join(QLatin1Char(' '));
}

QString ChipCommandLine::help(const ChipCommandSpec& spec)
{
    QString text = QStringLiteral("Usage: zorvex-cli %1 %2\n\n%3\n\nOptions:\n")
                       .arg(QLatin1String(spec.name), synopsis(spec), QLatin1String(spec.description));
    if (spec.options & ChipCommandSpec::Chip) {
        text += QStringLiteral(
            "  --chip MODEL          the chip by its model name (letter case does not matter)\n"
            "  --maker MAKER         the manufacturer, where makers share a model name\n"
            "  --detect              the chip the programmer identifies in the socket\n");
    }
    if (spec.options & ChipCommandSpec::AutoSteps) {
        text += QStringLiteral(
            "  --no-erase            leave out the erase step\n"
            "  --no-write            leave out the write step\n"
            "  --no-verify           leave out the verify step\n");
    }
    if (spec.options & ChipCommandSpec::Yes) {
        text += spec.operand == ChipCommandSpec::Operand::Output
            ? QStringLiteral("  --yes                 replace OUT when it exists\n")
            : QStringLiteral("  --yes                 write the first chip-size bytes of a file larger than the chip\n");
    }
    if (spec.options & ChipCommandSpec::Programmer) {
        text += QStringLiteral(
                    "  --speed SPEED         programming speed: %1 (default 12MHz)\n"
                    "  --simulate[=CONFIG]   use the programmer simulator; CONFIG names its configuration\n"
                    "  --usb-library PATH    bind this library (libusb-0.1 interface) instead of the default\n")
                    .arg(speedList());
    }
    text += QStringLiteral(
        "  --db FILE             chip database file (default: the window program's database)\n"
        "  --lang LANG           message language: en (default), zh-CN, zh-TW\n"
        "  --help                this text\n");
    return text;
}
