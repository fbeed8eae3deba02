#include "ChipCommandLine.h"

#include "CommonOptions.h"
#include "InputImage.h"

#include "text/MessageCatalogExtra.h"

#include <optional>

namespace {

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
                line.error = ExtraMessages::text(ExtraText::CliNeedsValue).arg(name);
            else
                target = *v;
        };
        const auto noValue = [&] {
            if (inlineValue)
                line.error = ExtraMessages::text(ExtraText::CliTakesNoValue).arg(name);
        };

        const CommonOption* common = findCommonOption(name);
        if (common && (common->group == 0 || takes(common->group))) {
            QString text;
            switch (common->value) {
            case CommonOption::Value::None:
                noValue();
                break;
            case CommonOption::Value::InlineOptional:
                if (inlineValue && inlineValue->isEmpty())
                    line.error = ExtraMessages::text(ExtraText::CliNeedsInlineValue).arg(name, QLatin1String(common->valueName));
                text = inlineValue.value_or(QString());
                break;
            case CommonOption::Value::Required:
                needValue(text);
                break;
            }
            if (line.error.isEmpty())
                line.error = common->apply(line, text);
        } else if (takes(ChipCommandSpec::Chip) && name == u"--chip") {
            needValue(line.chipModel);
        } else if (takes(ChipCommandSpec::Chip) && name == u"--maker") {
            needValue(line.maker);
        } else if (takes(ChipCommandSpec::Chip) && name == u"--detect") {
            noValue();
            line.detect = true;
        } else if (spec.operand == ChipCommandSpec::Operand::Input && name == u"--from") {
            QString text;
            needValue(text);
            if (line.error.isEmpty())
                line.inputFormat = parseImageFormat(text, line.error);
        } else if (takes(ChipCommandSpec::AutoSteps) && name == u"--no-erase") {
            noValue();
            line.autoOptions.erase = false;
        } else if (takes(ChipCommandSpec::AutoSteps) && name == u"--no-write") {
            noValue();
            line.autoOptions.program = false;
        } else if (takes(ChipCommandSpec::AutoSteps) && name == u"--no-verify") {
            noValue();
            line.autoOptions.verify = false;
        } else if (takes(ChipCommandSpec::AllDifferences) && name == u"--all") {
            noValue();
            line.allDifferences = true;
        } else {
            // Unknown, or one that belongs to other commands.
            line.error = ExtraMessages::text(ExtraText::CliNoSuchOption).arg(QLatin1String(spec.name), name);
        }
    }
    if (!line.error.isEmpty())
        return line;

    const bool operandRequired =
        spec.operand == ChipCommandSpec::Operand::Input || spec.operand == ChipCommandSpec::Operand::Output;
    const qsizetype allowed = spec.operand == ChipCommandSpec::Operand::None ? 0 : 1;
    if (operands.size() > allowed)
        line.error = ExtraMessages::text(ExtraText::CliUnexpectedArgument).arg(operands.value(allowed));
    else if (operandRequired && operands.isEmpty())
        line.error = ExtraMessages::text(ExtraText::CliOperandMissing).arg(operandName(spec.operand));
    else if (!operands.isEmpty())
        line.operand = operands.front();
    if (!line.error.isEmpty())
        return line;

    if (takes(ChipCommandSpec::Chip)) {
        if (line.detect && !line.chipModel.isEmpty())
            line.error = ExtraMessages::text(ExtraText::CliChipOrDetect);
        else if (!line.detect && line.chipModel.isEmpty())
            line.error = ExtraMessages::text(ExtraText::CliChooseChip);
        else if (line.detect && !line.maker.isEmpty())
            line.error = ExtraMessages::text(ExtraText::CliMakerWithChip);
    }
    if (line.error.isEmpty() && line.simulate && !line.usbLibrary.isEmpty())
        line.error = ExtraMessages::text(ExtraText::CliSimulateOrLibrary);
    return line;
}

QString ChipCommandLine::synopsis(const ChipCommandSpec& spec)
{
    QStringList parts;
    if (spec.options & ChipCommandSpec::Chip)
        parts << QStringLiteral("(--chip MODEL [--maker MAKER] | --detect)");
    if (spec.options & ChipCommandSpec::AutoSteps)
        parts << QStringLiteral("[--no-erase] [--no-write] [--no-verify]");
    if (spec.options & ChipCommandSpec::AllDifferences)
        parts << QStringLiteral("[--all]");
    if (spec.options & ChipCommandSpec::Yes)
        parts << QStringLiteral("[--yes]");
    if (spec.operand == ChipCommandSpec::Operand::Input)
        parts << QStringLiteral("[--from %1]").arg(imageFormatNames(u"|"));
    parts << QStringLiteral("[options]");
    if (spec.operand != ChipCommandSpec::Operand::None)
        parts << operandName(spec.operand);
    return parts.join(QLatin1Char(' '));
}

QString ChipCommandLine::help(const ChipCommandSpec& spec)
{
    const QString description = QString::fromLatin1(spec.description)
                                    .replace(QLatin1String("{srec}"),
                                             imageFormatExtensions(BufferFileFormat::SRecord, u"", u", "));
    QString text = QStringLiteral("Usage: zorvex-cli %1 %2\n\n%3\n\nOptions:\n")
                       .arg(QLatin1String(spec.name), synopsis(spec), description);
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
    if (spec.options & ChipCommandSpec::AllDifferences)
        text += QStringLiteral("  --all                 on a difference, read the whole chip and list every one\n");
    if (spec.operand == ChipCommandSpec::Operand::Input)
        text += QStringLiteral("  --from FORMAT         read IN as %1 whatever its name\n").arg(imageFormatNames(u", ", u" or "));
    for (const CommonOption& option : commonOptions()) {
        if (option.group == 0 || (spec.options & option.group) != 0)
            text += QStringLiteral("  %1 %2\n").arg(commonOptionSynopsis(option), -21).arg(QLatin1String(option.help));
    }
    text += QStringLiteral("  --help                this text\n");
    return text;
}
