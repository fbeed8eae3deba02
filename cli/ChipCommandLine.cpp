#include "ChipCommandLine.h"

#include "CliCommand.h"
#include "CommonOptions.h"

#include "text/MessageCatalogExtra.h"

#include <optional>
#include <tuple>

namespace {

QString operandName(ChipCommandSpec::Operand operand)
{
    // In the order of ChipCommandSpec::Operand.
    constexpr const char* Names[] = {"", "IN", "OUT", "[FILTER]", "IN OUT"};
    return QLatin1String(Names[static_cast<int>(operand)]);
}

// The format a --from or --to value names; empty for any other value, and error then says so,
// listing the names.
std::optional<BufferFileFormat> parseImageFormat(const QString& name, QString& error)
{
    const std::optional<BufferFileFormat> format = formatNamed(name);
    if (!format)
        error = ExtraMessages::text(ExtraText::CliUnknownFormat).arg(name, imageFormatNames(u"|"));
    return format;
}

}  // namespace

ChipCommandLine ChipCommandLine::parse(const ChipCommandSpec& spec, const QStringList& arguments)
{
    ChipCommandLine line;
    const auto takes = [&spec](unsigned group) { return (spec.options & group) != 0; };
    const bool readsFile =
        spec.operand == ChipCommandSpec::Operand::Input || spec.operand == ChipCommandSpec::Operand::InputOutput;
    QStringList operands;
    for (qsizetype i = 0; i < arguments.size() && line.error.isEmpty(); ++i) {
        const QString& argument = arguments[i];
        if (argument == u"--") {
            operands += arguments.mid(i + 1);
            break;
        }
        if (!argument.startsWith(u"--")) {
            operands << argument;
            continue;
        }
        QString name = argument;
        std::optional<QString> inlineValue;
        if (const qsizetype equals = argument.indexOf(u'='); equals > 0) {
            name = argument.left(equals);
            inlineValue = argument.mid(equals + 1);
        }
        const auto needValue = [&](QString& target) {
            // After "=" or as the next argument.
            const QString value = inlineValue ? *inlineValue : i + 1 < arguments.size() ? arguments[++i] : QString();
            if (value.isEmpty())
                line.error = ExtraMessages::text(ExtraText::CliNeedsValue).arg(name);
            else
                target = value;
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
        } else if (takes(ChipCommandSpec::Chip | ChipCommandSpec::ChipSize) && name == u"--chip") {
            needValue(line.chipModel);
        } else if (takes(ChipCommandSpec::Chip | ChipCommandSpec::ChipSize) && name == u"--maker") {
            needValue(line.maker);
        } else if (takes(ChipCommandSpec::Chip) && name == u"--detect") {
            noValue();
            line.detect = true;
        } else if ((readsFile && name == u"--from")
                   || (spec.operand == ChipCommandSpec::Operand::InputOutput && name == u"--to")) {
            QString text;
            needValue(text);
            if (line.error.isEmpty())
                (name == u"--from" ? line.inputFormat : line.outputFormat) = parseImageFormat(text, line.error);
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

    if (spec.operand == ChipCommandSpec::Operand::InputOutput) {
        // An empty word (an unset shell variable) names no file.
        if (operands.size() != 2)
            line.error = ExtraMessages::text(ExtraText::CliExpectedInAndOut);
        else if (operands[0].isEmpty() || operands[1].isEmpty())
            line.error = ExtraMessages::text(ExtraText::CliOperandMissing)
                             .arg(operands[0].isEmpty() ? QStringLiteral("IN") : QStringLiteral("OUT"));
        else
            std::tie(line.operand, line.output) = std::pair(operands[0], operands[1]);
        return line;
    }
    const bool operandRequired =
        spec.operand == ChipCommandSpec::Operand::Input || spec.operand == ChipCommandSpec::Operand::Output;
    const qsizetype allowed = spec.operand == ChipCommandSpec::Operand::None ? 0 : 1;
    if (operands.size() > allowed)
        line.error = ExtraMessages::text(ExtraText::CliUnexpectedArgument).arg(operands.value(allowed));
    else if (operandRequired && (operands.isEmpty() || operands.front().isEmpty()))
        line.error = ExtraMessages::text(ExtraText::CliOperandMissing).arg(operandName(spec.operand));
    else if (!operands.isEmpty())
        line.operand = operands.front();
    if (!line.error.isEmpty())
        return line;

    if (takes(ChipCommandSpec::Chip) && line.detect && !line.chipModel.isEmpty())
        line.error = ExtraMessages::text(ExtraText::CliChipOrDetect);
    else if (takes(ChipCommandSpec::Chip) && !line.detect && line.chipModel.isEmpty())
        line.error = ExtraMessages::text(ExtraText::CliChooseChip);
    // --maker narrows a --chip down; with --detect or with no chip it has nothing to narrow.
    else if (!line.maker.isEmpty() && line.chipModel.isEmpty())
        line.error = ExtraMessages::text(ExtraText::CliMakerWithChip);
    if (line.error.isEmpty() && line.simulate && !line.usbLibrary.isEmpty())
        line.error = ExtraMessages::text(ExtraText::CliSimulateOrLibrary);
    return line;
}

QStringList ChipCommandLine::synopsis(const ChipCommandSpec& spec)
{
    QStringList parts;
    if (spec.operand == ChipCommandSpec::Operand::InputOutput)
        parts << operandName(spec.operand);
    if (spec.options & ChipCommandSpec::Chip)
        parts << QStringLiteral("(--chip MODEL [--maker MAKER] | --detect)");
    if (spec.options & ChipCommandSpec::ChipSize)
        parts << QStringLiteral("[--chip MODEL [--maker MAKER]]");
    if (spec.options & ChipCommandSpec::AutoSteps)
        parts << QStringLiteral("[--no-erase] [--no-write] [--no-verify]");
    if (spec.options & ChipCommandSpec::AllDifferences)
        parts << QStringLiteral("[--all]");
    if (spec.options & ChipCommandSpec::Yes)
        parts << QStringLiteral("[--yes]");
    if (spec.operand == ChipCommandSpec::Operand::Input || spec.operand == ChipCommandSpec::Operand::InputOutput)
        parts << QStringLiteral("[--from %1]").arg(imageFormatNames(u"|"));
    if (spec.operand == ChipCommandSpec::Operand::InputOutput)
        parts << QStringLiteral("[--to %1]").arg(imageFormatNames(u"|"));
    for (const OwnOption& option : spec.ownOptions)
        parts << QStringLiteral("[%1]").arg(QLatin1String(option.synopsis));
    parts << QStringLiteral("[options]");
    if (spec.operand != ChipCommandSpec::Operand::None && spec.operand != ChipCommandSpec::Operand::InputOutput)
        parts << operandName(spec.operand);
    return parts;
}

QString ChipCommandLine::help(const ChipCommandSpec& spec)
{
    const QString srecordNames = imageFormatExtensions(BufferFileFormat::SRecord, u"", u", ");
    // The usage line, wrapped before 100 columns where a command has many options.
    QString text = QStringLiteral("%1 zorvex-cli %2").arg(cliText(CliText::UsageHeading), QLatin1String(spec.name));
    qsizetype column = text.size();
    for (const QString& part : synopsis(spec)) {
        if (column + 1 + part.size() > 100) {
            text += QStringLiteral("\n       ");
            column = 7;
        }
        text += u' ' + part;
        column += 1 + part.size();
    }
    text += QStringLiteral("\n\n%1\n\n%2\n")
                .arg(cliText(spec.about).replace(QLatin1String("%1"), srecordNames), cliText(CliText::OptionsHeading));
    const auto line = [&text](const QString& synopsis, const QString& help) {
        text += helpLine(synopsis, help);
    };
    for (const OwnOption& option : spec.ownOptions)
        line(QLatin1String(option.synopsis), cliText(option.help));
    if (spec.options & ChipCommandSpec::Chip) {
        line(QStringLiteral("--chip MODEL"), cliText(CliText::ChipOption));
        line(QStringLiteral("--maker MAKER"), cliText(CliText::MakerOption));
        line(QStringLiteral("--detect"), cliText(CliText::DetectOption));
    }
    if (spec.options & ChipCommandSpec::ChipSize) {
        line(QStringLiteral("--chip MODEL"), cliText(CliText::ChecksumChipOption));
        line(QStringLiteral("--maker MAKER"), cliText(CliText::MakerOption));
    }
    if (spec.options & ChipCommandSpec::AutoSteps) {
        line(QStringLiteral("--no-erase"), cliText(CliText::NoEraseOption));
        line(QStringLiteral("--no-write"), cliText(CliText::NoWriteOption));
        line(QStringLiteral("--no-verify"), cliText(CliText::NoVerifyOption));
    }
    if (spec.options & ChipCommandSpec::AllDifferences)
        line(QStringLiteral("--all"), cliText(CliText::AllOption));
    const QString formats = imageFormatNames(u"|");
    if (spec.operand == ChipCommandSpec::Operand::Input || spec.operand == ChipCommandSpec::Operand::InputOutput)
        line(QStringLiteral("--from FORMAT"), cliText(CliText::FromOption).arg(formats));
    if (spec.operand == ChipCommandSpec::Operand::InputOutput)
        line(QStringLiteral("--to FORMAT"), cliText(CliText::ToOption).arg(formats));
    for (const CommonOption& option : commonOptions()) {
        if (option.group == 0 || (spec.options & option.group) != 0)
            line(commonOptionSynopsis(option), commonOptionHelp(option));
    }
    line(QStringLiteral("--help"), cliText(CliText::HelpOption));
    return text;
}
