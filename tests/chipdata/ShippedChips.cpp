#include "ShippedChips.h"

#include "chipdb/ChipDatabaseFile.h"
#include "chipdb/ChipName.h"

#include <gtest/gtest.h>

#include <memory>

std::string ShippedChip::label() const
{
    return QStringLiteral("slot %1 %2 %3").arg(slot).arg(maker, model).toStdString();
}

const ChipDatabase& shippedDatabase()
{
    static const auto db = [] {
        auto loaded = std::make_unique<ChipDatabase>();
        const ChipDbLoadStatus status = LoadChipDatabase(
            *loaded, QStringLiteral(ZORVEX_CHIP_DATABASE_FILE),
            [](const QString& message) { ADD_FAILURE() << message.toStdString(); });
        EXPECT_EQ(status, ChipDbLoadStatus::Loaded);
        return loaded;
    }();
    return *db;
}

const std::vector<ShippedChip>& shippedChips()
{
    static const std::vector<ShippedChip> chips = [] {
        std::vector<ShippedChip> out;
        const ChipDatabase& db = shippedDatabase();
        for (int slot = 0; slot < db.count(); ++slot) {
            const QStringList parts = SplitChipName(db[slot].nameText());
            out.push_back({slot, parts.value(0), parts.value(1), parts.value(2), &db[slot]});
        }
        return out;
    }();
    return chips;
}
