#include "ChipCommands.h"

#include "chipdb/ChipName.h"
#include "chipdb/ChipRecord.h"

using Spec = ChipCommandSpec;
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
