#include "programmer/ChipDetector.h"

#include "text/MessageCatalog.h"
#include "chipdb/ChipName.h"
#include "chipdb/ChipRecord.h"
#include "programmer/OperationHost.h"
#include "text/OperationTexts.h"
#include "programmer/OperatorFeedback.h"
#include "programmer/ProgrammerLink.h"

#include <array>

namespace {

enum QueryResult : quint8 { NoChipAnswered = 0, FlashWithId = 1, SecondType = 2, ThirdType = 3 };

// What a flash answers when its data line is stuck: tied low (a bad contact) or floating high
// (nothing drives the bus). Neither identifies a chip.
constexpr quint32 StuckLowId = 0x000000;
constexpr quint32 StuckHighId = 0xFFFFFF;

// How safe a supply is for a chip of unknown voltage: the lowest first. A 3 V chip powered at
// 1.8 V only fails to answer; a 1.8 V chip powered at 3.3 V may be damaged.
int supplyRank(quint8 voltage)
{
    switch (voltage) {
    case Voltage1V8: return 0;
    case Voltage3V3: return 1;
    case Voltage5V0: return 2;
    default: return 3;
    }
}

// The type list position of a family's chips: the lists follow the database's order, so the
// type of its first chip of that family. The family's reply code as a position when the
// database holds none of them.
int typePositionOf(quint8 family, std::span<const ChipRecord> chipSlots, const ChipListSelection& lists)
{
    for (const ChipRecord& slot : chipSlots) {
        if (slot.isTerminator())
            break;
        if (slot.family == family)
            return lists.findItem(ChipList::Type, chipNamePartsForLists(slot.nameText()).type);
    }
    return family;
}

} // namespace

const ChipRecord* findFlash(std::span<const ChipRecord> chipSlots, quint32 id)
{
    if (id == StuckLowId || id == StuckHighId)
        return nullptr;
    const ChipRecord* found = nullptr;
    for (const ChipRecord& slot : chipSlots) {
        if (slot.family != Family25Flash || slot.chipId != id)
            continue;
        if (!found || supplyRank(slot.voltage) < supplyRank(found->voltage))
            found = &slot;
    }
    return found;
}

ChipDetector::Result ChipDetector::DetectChip(const ChipRecord& chip, int speedIndex,
                                              std::span<const ChipRecord> chipSlots, ChipListSelection& lists)
{
    std::array<quint8, 4> reply{};
    m_link.watchConnection();
    if (!m_link.QueryChip(chip, speedIndex, reply)) {
        m_feedback.showError(MessageCatalog::text(MessageKey::StatusNotConnected));
        return Result::NotConnected;
    }
    if (m_link.disconnected()) {
        m_feedback.showError(programmerDisconnectedText());
        return Result::Disconnected;
    }
    switch (reply[0]) {
    case FlashWithId: {
        if (const ChipRecord* found = findFlash(chipSlots, detectedChipId(reply[1], reply[2], reply[3])))
            return selectFound(*found, lists);
        if (const int flashType = typePositionOf(Family25Flash, chipSlots, lists); lists.position(ChipList::Type) != flashType)
            lists.selectChip(flashType, 0, 0);
        m_feedback.showError(MessageCatalog::text(MessageKey::UnknownChipId)
                             + QString::asprintf("%2.2X %2.2X %2.2X", reply[1], reply[2], reply[3])
                             + MessageCatalog::text(MessageKey::ChooseCompatibleManually));
        return Result::UnknownId;
    }
    case SecondType:
    case ThirdType: {
        // The programmer names only a class of chip, by its family code + 1: the type list's
        // entry of that family, wherever the database puts it.
        const int type = typePositionOf(static_cast<quint8>(reply[0] - 1), chipSlots, lists);
        if (lists.position(ChipList::Type) != type)
            lists.selectChip(type, 0, 0);
        m_feedback.showInfo(MessageCatalog::text(MessageKey::ChipTypeDetected) + lists.selectedText(ChipList::Type)
                            + MessageCatalog::text(MessageKey::SelectTypeManually));
        return Result::TypeFound;
    }
    default:
        m_feedback.showError(MessageCatalog::text(MessageKey::NoChipDetected));
        return Result::NoChip;
    }
}

ChipDetector::Result ChipDetector::selectFound(const ChipRecord& found, ChipListSelection& lists)
{
    const ChipNameParts parts = chipNamePartsForLists(found.nameText());
    // One list at a time: each selection refills the next list, which the next lookup searches.
    const std::pair<ChipList, QString> steps[] = {
        {ChipList::Type, parts.type}, {ChipList::Manufacturer, parts.manufacturer}, {ChipList::Model, parts.model}};
    for (const auto& [list, part] : steps) {
        lists.setRememberedIndex(list, lists.findItem(list, part));
        lists.selectChip(lists.rememberedIndex(ChipList::Type), lists.rememberedIndex(ChipList::Manufacturer),
                         lists.rememberedIndex(ChipList::Model));
    }
    m_feedback.showInfo(MessageCatalog::text(MessageKey::ChipDetected) + lists.selectedText(ChipList::Model)
                        + MessageCatalog::text(MessageKey::ChipTypeLine) + lists.selectedText(ChipList::Type));
    return Result::ChipFound;
}
