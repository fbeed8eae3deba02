#pragma once

#include "programmer/CommandPacket.h"

#include <QtGlobal>

#include <span>

class ProgrammerLink;
class OperatorFeedback;
class ChipListSelection;
struct ChipRecord;

// Asks the programmer which chip is in the socket, finds its ID in the database and selects it
// in the chip lists, then tells the person what was found.
class ChipDetector {
public:
    enum class Result { NotConnected, Disconnected, ChipFound, UnknownId, TypeFound, NoChip };

    ChipDetector(ProgrammerLink& link, OperatorFeedback& feedback) : m_link(link), m_feedback(feedback) {}

    // chipSlots: every slot of the database (all are scanned, whether or not they hold a chip);
    // chip and speedIndex set up the query.
    Result DetectChip(const ChipRecord& chip, int speedIndex, std::span<const ChipRecord> chipSlots,
                      ChipListSelection& lists);

private:
    Result selectFound(const ChipRecord& found, ChipListSelection& lists);

    ProgrammerLink& m_link;
    OperatorFeedback& m_feedback;
};

// The record of a flash that answered with this ID: only flash records carry a real ID (every
// EEPROM record holds 0). When several chips share one, the one with the lowest supply wins
// (a 1.8 V part powered at 3.3 V may be damaged, the other way round it only stays silent), and
// among those the lowest slot. Null for an unknown ID and for the IDs of a stuck data line
// (000000, FFFFFF).
[[nodiscard]] const ChipRecord* findFlash(std::span<const ChipRecord> chipSlots, quint32 id);
