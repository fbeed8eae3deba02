#include "ChipCommands.h"

#include "ChipCommandRun.h"

#include "chipdb/ChipName.h"
#include "chipdb/ChipRecord.h"

using Spec = ChipCommandSpec;
using Action = ChipCommandRun::Action;
constexpr unsigned Operation = Spec::Programmer | Spec::Chip;

constexpr Spec ListSpec{"list", CliText::ListSummary, CliText::ListAbout, 0, Spec::Operand::Filter};
constexpr Spec DetectSpec{"detect", CliText::DetectSummary, CliText::DetectAbout, Spec::Programmer, Spec::Operand::None};
constexpr Spec ReadSpec{"read", CliText::ReadSummary, CliText::ReadAbout, Operation | Spec::Yes, Spec::Operand::Output};
constexpr Spec WriteSpec{"write", CliText::WriteSummary, CliText::WriteAbout, Operation | Spec::Yes, Spec::Operand::Input};
constexpr Spec VerifySpec{"verify", CliText::VerifySummary, CliText::VerifyAbout, Operation | Spec::AllDifferences,
                          Spec::Operand::Input};
constexpr Spec EraseSpec{"erase", CliText::EraseSummary, CliText::EraseAbout, Operation, Spec::Operand::None};
constexpr Spec BlankSpec{"blank", CliText::BlankSummary, CliText::BlankAbout, Operation, Spec::Operand::None};
constexpr Spec AutoSpec{"auto", CliText::AutoSummary, CliText::AutoAbout, Operation | Spec::Yes | Spec::AutoSteps,
                        Spec::Operand::Input};

namespace {

int run(const Spec& spec, Action action, const QStringList& arguments)
{
    ChipCommandLine line = ChipCommandLine::parse(spec, arguments);
    if (!line.error.isEmpty())
        return chipUsageError(spec, line.error);
    return ChipCommandRun(action, std::move(line)).exec();
}

}  // namespace

int runList(const QStringList& arguments) { return run(ListSpec, Action::List, arguments); }
int runDetect(const QStringList& arguments) { return run(DetectSpec, Action::Detect, arguments); }
int runRead(const QStringList& arguments) { return run(ReadSpec, Action::Read, arguments); }
int runWrite(const QStringList& arguments) { return run(WriteSpec, Action::Write, arguments); }
int runVerify(const QStringList& arguments) { return run(VerifySpec, Action::Verify, arguments); }
int runErase(const QStringList& arguments) { return run(EraseSpec, Action::Erase, arguments); }
int runBlank(const QStringList& arguments) { return run(BlankSpec, Action::Blank, arguments); }
int runAuto(const QStringList& arguments) { return run(AutoSpec, Action::Auto, arguments); }

QString chipListLine(const ChipRecord& chip)
{
    const ChipNameParts parts = chipNamePartsForLists(chip.nameText());
    return QStringLiteral("%1 %2 %3 0x%4 %5 %6")
        .arg(parts.type, -10)
        .arg(parts.manufacturer, -12)
        .arg(parts.model, -16)
        .arg(QString::number(chip.chipId, 16).toUpper().rightJustified(6, QLatin1Char('0')))
        .arg(chip.flashSize, 9)
        .arg(chip.flashPage);
}
