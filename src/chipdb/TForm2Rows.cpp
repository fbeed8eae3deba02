#include "chipdb/TForm2Rows.h"

#include "text/FixedTexts.h"

#include "text/HexDigit.h"
#include "text/MessageCatalogExtra.h"
#include "chipdb/ChipCodes.h"
#include "chipdb/ChipName.h"
#include "chipdb/GbkCodec.h"

#include <QRegularExpression>

#include <bit>
#include <utility>

namespace {

enum Column {
    ColType, ColManufacturer, ColModel, ColChipId, ColFlashSize, ColFlashPage, ColFamily,
    ColSubType, ColDelay, ColVoltage, ColEepromSize, ColEepromPage, ColLink,
};

// The cells of the record's numbers, in the order the record stores them.
constexpr std::pair<Column, ChipField> kNumericCells[] = {
    {ColChipId, ChipField::ChipId},         {ColFlashSize, ChipField::FlashSize},
    {ColFlashPage, ChipField::FlashPage},   {ColFamily, ChipField::Family},
    {ColSubType, ChipField::SubType},       {ColDelay, ChipField::Delay},
    {ColVoltage, ChipField::Voltage},       {ColEepromSize, ChipField::EepromSize},
    {ColEepromPage, ChipField::EepromPage}, {ColLink, ChipField::XmlLink},
};

// Positions outside a list choose nothing, as a list shows no item for them.
int inList(qint64 position, int itemCount)
{
    return position >= 0 && position < itemCount ? static_cast<int>(position) : -1;
}

// A chip the window's chip lists could never choose: its row, the earlier row they take it for,
// and the column where the two part. The lists tell texts apart ignoring letter case, but follow
// a chip by its exact type, then its exact maker: a type or a maker spelt otherwise than where it
// first appeared, or a model its type and maker have already, is out of their reach. Rows
// without a maker or a model are left alone.
struct UnreachableChip {
    int row = -1;
    int earlier = -1;
    Column column = ColModel;
};

std::optional<UnreachableChip> chipOutOfTheListsReach(const std::vector<ChipRecord>& records)
{
    std::vector<ChipNameParts> parts;
    parts.reserve(records.size());
    for (const ChipRecord& record : records)
        parts.push_back(chipNamePartsForLists(record.nameText()));
    const auto alike = [](const QString& a, const QString& b) { return a.compare(b, Qt::CaseInsensitive) == 0; };
    for (int row = 0; row < static_cast<int>(parts.size()); ++row) {
        const ChipNameParts& mine = parts[static_cast<std::size_t>(row)];
        if (mine.manufacturer.isEmpty() || mine.model.isEmpty())
            continue;
        bool typeFirstSeen = false;
        bool makerFirstSeen = false;
        for (int earlier = 0; earlier < row; ++earlier) {
            const ChipNameParts& other = parts[static_cast<std::size_t>(earlier)];
            if (!alike(other.type, mine.type))
                continue;
            if (!std::exchange(typeFirstSeen, true) && other.type != mine.type)
                return UnreachableChip{row, earlier, ColType};
            if (other.type != mine.type || other.manufacturer.isEmpty() || !alike(other.manufacturer, mine.manufacturer))
                continue;
            if (!std::exchange(makerFirstSeen, true) && other.manufacturer != mine.manufacturer)
                return UnreachableChip{row, earlier, ColManufacturer};
            if (other.manufacturer == mine.manufacturer && alike(other.model, mine.model))
                return UnreachableChip{row, earlier, ColModel};
        }
    }
    return std::nullopt;
}

}  // namespace

QStringList chipGridHeaders()
{
    return {fixedText(FixedText::GridChipType), fixedText(FixedText::GridMaker),     fixedText(FixedText::GridModel),
            fixedText(FixedText::GridChipId),   QStringLiteral("FLASH"),             fixedText(FixedText::GridFlashPage),
            fixedText(FixedText::GridFamily),   fixedText(FixedText::GridSubType),   fixedText(FixedText::GridDelay),
            fixedText(FixedText::GridVoltage),  QStringLiteral("EEPROM"),            fixedText(FixedText::GridEepromPage),
            fixedText(FixedText::GridLink)};
}

std::array<int, ChipGridColumns> chipGridColumnWidths()
{
    return {75, 75, 75, 60, 60, 60, 60, 60, 60, 60, 75, 60, 60};
}

namespace {
QStringList sizeItems(bool withZero)
{
    QStringList items;
    if (withZero)
        items << QStringLiteral("0B");
    const char* units[] = {"B", "KB", "MB"};
    for (int p = withZero ? 1 : 6; p <= 26; ++p)
        items << QString::number(1 << (p % 10)) + QLatin1String(units[p / 10]);
    return items;
}
}  // namespace

QStringList flashSizeItems() { return sizeItems(false); }
QStringList eepromSizeItems() { return sizeItems(true); }

QStringList pageSizeItems()
{
    QStringList items;
    for (int p = 0; p <= 8; ++p)
        items << QString::number(1 << p);
    return items;
}

QStringList voltageItems()
{
    return {QStringLiteral("3.3V"), QStringLiteral("1.8V"), QStringLiteral("5.0V")};
}

std::optional<qint32> parseCellInteger(const QString& text)
{
    // Blanks, a sign, then hexadecimal digits after "0x", "x" or "$" (letter case ignored), or
    // decimal digits.
    static const QRegularExpression form(
        QRegularExpression::anchoredPattern(QStringLiteral(" *([+-]?)(?:(?:0x|x|\\$)(.*)|([0-9]+))")),
        QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch match = form.match(text);
    if (!match.hasMatch())
        return std::nullopt;
    const bool negative = match.capturedView(1) == u"-";
    if (match.capturedLength(3) == 0) {
        const std::optional<qint32> value = hexNumber32(match.captured(2));
        if (!value || !negative)
            return value;
        return static_cast<qint32>(0u - static_cast<quint32>(*value));
    }
    bool ok = false;
    const qint64 magnitude = match.capturedView(3).toLongLong(&ok);
    const qint64 value = negative ? -magnitude : magnitude;
    if (!ok || value < INT32_MIN || value > INT32_MAX)
        return std::nullopt;
    return static_cast<qint32>(value);
}

QString notAnIntegerMessage(const QString& text)
{
    return fixedText(FixedText::NotValidInteger).arg(text);
}

int halvings(qint64 v)
{
    return v > 1 ? std::bit_width(static_cast<quint64>(v)) - 1 : 0;
}

bool ChipEditorFields::allListsChosen() const
{
    return family >= 0 && flashSize >= 0 && flashPage >= 0 && voltage >= 0 && subType >= 0
        && eepromSize >= 0 && eepromPage >= 0;
}

ChipGridRow rowFromRecord(const ChipRecord& record)
{
    const ChipNameParts parts = splitChipNameForEditor(record.nameText());
    ChipGridRow row;
    row[ColType] = parts.type;
    row[ColManufacturer] = parts.manufacturer;
    row[ColModel] = parts.model;
    for (const auto& [column, field] : kNumericCells)
        row[column] = QString::number(record.field(field));
    // The ID in hex, as the chip answers it.
    row[ColChipId] = QStringLiteral("0x") + QString::number(record.chipId, 16).toUpper();
    return row;
}

ChipGridRow encodeRow(const ChipEditorFields& f)
{
    const auto power = [](int position) { return qint64{1} << (position % 32); };
    const int subTypeCode = f.family == Family93Eeprom ? subType93CodeFromPosition(f.subType) : f.subType;
    ChipGridRow row;
    row[ColType] = f.type;
    row[ColManufacturer] = f.manufacturer;
    row[ColModel] = f.model;
    row[ColChipId] = f.chipId;
    row[ColFlashSize] = QString::number(64 * power(f.flashSize));
    row[ColFlashPage] = QString::number(power(f.flashPage));
    row[ColFamily] = QString::number(f.family);
    row[ColSubType] = QString::number(subTypeCode);
    row[ColDelay] = f.delay;
    row[ColVoltage] = QString::number(f.voltage);
    row[ColEepromSize] = QString::number(f.eepromSize == 0 ? 0 : power(f.eepromSize));
    row[ColEepromPage] = QString::number(power(f.eepromPage));
    row[ColLink] = f.link;
    return row;
}

RowDecodeResult decodeRow(const ChipGridRow& row)
{
    std::array<qint32, ChipGridColumns> v{};
    for (int c = ColFlashSize; c < ChipGridColumns; ++c) {
        const std::optional<qint32> value = parseCellInteger(row[c]);
        if (!value)
            return {std::nullopt, row[c], c};
        v[c] = *value;
    }

    ChipEditorFields f;
    f.type = row[ColType];
    f.manufacturer = row[ColManufacturer];
    f.model = row[ColModel];
    f.chipId = row[ColChipId];
    f.flashSize = inList(halvings(v[ColFlashSize]) - 6, static_cast<int>(flashSizeItems().size()));
    f.flashPage = inList(halvings(v[ColFlashPage]), static_cast<int>(pageSizeItems().size()));
    f.family = inList(v[ColFamily], ChipFamilyCount);

    const qint32 code = v[ColSubType];
    int proposed = -1;
    switch (f.family) {
    case Family25Flash: proposed = code; break;
    case Family24Eeprom: proposed = f.flashSize >= 6 ? 1 : 0; break;  // 4 KB and up
    case Family93Eeprom: proposed = subType93PositionFromCode(code); break;
    case Family25Eeprom:
    case Family95Eeprom: proposed = f.flashSize >= 4 ? 1 : 0; break;  // 1 KB and up
    default: break;
    }
    f.subType = inList(proposed, static_cast<int>(chipSubTypeLabels(f.family).size()));

    f.delay = QString::number(v[ColDelay]);
    f.voltage = inList(v[ColVoltage], static_cast<int>(voltageItems().size()));
    f.eepromSize = inList(halvings(v[ColEepromSize]), static_cast<int>(eepromSizeItems().size()));
    f.eepromPage = inList(halvings(v[ColEepromPage]), static_cast<int>(pageSizeItems().size()));
    f.link = QString::number(v[ColLink]);
    return {f, {}};
}

std::optional<CellProblem> valueBeyondItsField(const ChipGridRow& row, int gridRow)
{
    for (const auto& [column, field] : kNumericCells) {
        const std::optional<qint32> value = parseCellInteger(row[column]);
        const quint32 most = ChipRecord::fieldMaximum(field);
        if (value && static_cast<quint32>(*value) > most)
            return CellProblem{ExtraMessages::text(ExtraText::ChipValueBeyondField)
                                   .arg(gridRow)
                                   .arg(chipGridHeaders()[column], row[column])
                                   .arg(most),
                               column};
    }
    return std::nullopt;
}

RowsToRecordsResult recordsFromRows(const std::vector<ChipGridRow>& rows)
{
    RowsToRecordsResult result;
    result.records.reserve(rows.size());
    for (std::size_t r = 0; r < rows.size(); ++r) {
        const ChipGridRow& row = rows[r];
        ChipRecord record;
        // A "," typed into the type or the manufacturer would move the text after it into the
        // next part once stored. The model keeps everything after the second ",", as read.
        for (const Column part : {ColType, ColManufacturer}) {
            if (row[part].contains(QLatin1Char(',')))
                return {{}, ExtraMessages::text(ExtraText::ChipNameHasComma).arg(static_cast<int>(r) + 1).arg(row[part]),
                        static_cast<int>(r), part};
        }
        const QString name = joinChipName(row[ColType], row[ColManufacturer], row[ColModel]);
        if (!record.setNameText(name)) {
            const int gridRow = static_cast<int>(r) + 1;
            const QString outside = firstCharacterOutsideGbk(name);
            return {{}, outside.isEmpty() ? ExtraMessages::text(ExtraText::ChipNameTooLong).arg(gridRow).arg(name)
                                          : ExtraMessages::text(ExtraText::ChipNameNotGbk).arg(gridRow).arg(name, outside),
                    static_cast<int>(r), ColModel};
        }
        if (const std::optional<CellProblem> beyond = valueBeyondItsField(row, static_cast<int>(r) + 1))
            return {{}, beyond->message, static_cast<int>(r), beyond->column};
        for (const auto& [column, field] : kNumericCells) {
            const std::optional<qint32> value = parseCellInteger(row[column]);
            if (!value)
                return {{}, notAnIntegerMessage(row[column]), static_cast<int>(r), column};
            record.setField(field, *value);
        }
        result.records.push_back(record);
    }
    if (const std::optional<UnreachableChip> unreachable = chipOutOfTheListsReach(result.records)) {
        const auto name = [&result](int row) { return result.records[static_cast<std::size_t>(row)].nameText(); };
        const QString message = ExtraMessages::text(ExtraText::ChipNameUnreachable)
                                    .arg(unreachable->row + 1)
                                    .arg(name(unreachable->row))
                                    .arg(unreachable->earlier + 1)
                                    .arg(name(unreachable->earlier));
        return {{}, message, unreachable->row, unreachable->column};
    }
    return result;
}
