#include "chipdb/ChipDatabase.h"
#include "chipdb/ChipLists.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

// Letter case, empty parts and repeated models, in the order the pass meets them.
const char* const kNames[] = {
    "SPI_FLASH,Winbond,W25Q64",   // 0
    "spi_flash,Other,X1",         // 1: the type is listed already, but not in this spelling
    "SPI_FLASH,winbond,W25Q128",  // 2: likewise the manufacturer
    "SPI_FLASH,Winbond,W25Q64",   // 3: a model twice under one maker
    "SPI_FLASH,,NOMAKER",         // 4: no manufacturer
    "SPI_FLASH,Winbond,",         // 5: no model
    "24EEPROM,Atmel,AT24C02",     // 6: a type that appears late in the pass
    "SPI_FLASH,Winbond,W25Q32",   // 7
};

std::unique_ptr<ChipDatabase> database()
{
    auto db = std::make_unique<ChipDatabase>();
    int slot = 0;
    for (const char* name : kNames)
        EXPECT_TRUE((*db)[slot++].setNameText(QString::fromLatin1(name)));
    return db;
}

TEST(ChipLists, ThePassChoosesByPositionWhileTheListsGrow)
{
    struct Case {
        int type, manufacturer, model;
        int slot;
        QStringList manufacturers, models;
    };
    const Case cases[] = {
        {0, 0, 0, 0, {"Winbond"}, {"W25Q64", "W25Q32"}},
        {0, 0, 1, 7, {"Winbond"}, {"W25Q64", "W25Q32"}},
        {0, 0, 2, -1, {"Winbond"}, {"W25Q64", "W25Q32"}},     // beyond the models
        {1, 0, 0, 6, {"Atmel"}, {"AT24C02"}},                 // its type is listed only at slot 6
        {0, -1, 0, 4, {"Winbond"}, {"NOMAKER"}},              // no manufacturer reads as empty
        {0, 5, 0, 4, {"Winbond"}, {"NOMAKER"}},               // and so does one beyond the list
        {7, 0, 0, -1, {}, {}},                                // a type beyond the list: nothing
    };
    const auto db = database();
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.type << ',' << c.manufacturer << ',' << c.model);
        ChipLists lists(*db);
        EXPECT_EQ(lists.select(c.type, c.manufacturer, c.model), c.slot);
        EXPECT_EQ(lists.items(ChipLists::Type), (QStringList{"SPI_FLASH", "24EEPROM"}));
        EXPECT_EQ(lists.items(ChipLists::Manufacturer), c.manufacturers);
        EXPECT_EQ(lists.items(ChipLists::Model), c.models);
    }
}

TEST(ChipLists, ItemsAreFoundWhateverTheirLetterCase)
{
    const auto db = database();
    ChipLists lists(*db);
    lists.select(0, 0, 0);
    EXPECT_EQ(lists.find(ChipLists::Type, "spi_flash"), 0);
    EXPECT_EQ(lists.find(ChipLists::Manufacturer, "WINBOND"), 0);
    EXPECT_EQ(lists.find(ChipLists::Model, "w25q32"), 1);
    EXPECT_EQ(lists.find(ChipLists::Model, "W25Q128"), -1);
}

}  // namespace
