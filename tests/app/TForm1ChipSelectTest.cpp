#include "WindowFixture.h"

#include <QComboBox>
#include <QLineEdit>
#include <QTest>

namespace {

QStringList items(const QComboBox* box)
{
    QStringList result;
    for (int i = 0; i < box->count(); ++i)
        result.append(box->itemText(i));
    return result;
}

// Chooses an item the way a user does, so the list's change handler runs.
void choose(QComboBox* box, int index)
{
    box->setCurrentIndex(index);
    emit box->activated(index);
}

}  // namespace

using TForm1ChipSelect = WindowFixture;

TEST_F(TForm1ChipSelect, StartUpSelectsTheRememberedChipAndListsDistinctTextsInOrder)
{
    writeDatabase({{"FLASH,Alpha,A1"}, {"EEPROM,Beta,B1", 512, 16}, {"FLASH,Gamma,G1"},
        {"FLASH,Alpha,A2", 0x400000, 256}, {"flash,Alpha,A3"}});
    writeSettings(QStringLiteral("[CHIP]\nINDEX1=0\nINDEX2=0\nINDEX3=1\n"));
    TForm1& window = openWindow();
    EXPECT_EQ(items(window.ComboBox1), (QStringList{"FLASH", "EEPROM"}));
    EXPECT_EQ(items(window.ComboBox2), (QStringList{"Alpha", "Gamma"}));
    EXPECT_EQ(items(window.ComboBox3), (QStringList{"A1", "A2"}));
    EXPECT_EQ(window.currentChip(), 3);
    EXPECT_EQ(window.ComboBox3->currentText(), QStringLiteral("A2"));
    EXPECT_EQ(window.Edit1->text(), QStringLiteral("4194304"));
    EXPECT_EQ(window.ComboBox5->currentText(), QStringLiteral("4MB"));
    EXPECT_EQ(window.Edit2->text(), QStringLiteral("256"));
}

TEST_F(TForm1ChipSelect, ManufacturersDifferingInCaseShowOnceAndOnlyTheFirstSpellingsModels)
{
    writeDatabase({{"T,Maker,M1"}, {"T,MAKER,M2"}, {"T,Maker,M3"}});
    TForm1& window = openWindow();
    EXPECT_EQ(items(window.ComboBox2), (QStringList{"Maker"}));
    EXPECT_EQ(items(window.ComboBox3), (QStringList{"M1", "M3"}));
    EXPECT_EQ(window.SelectChip(0, 0, 1), 2);
}

TEST_F(TForm1ChipSelect, AModelPositionPastTheListSelectsNothingAndKeepsTheChip)
{
    writeDatabase({{"T,M,A", 128, 8}, {"T,M,B", 256}, {"T,M,C", 512}});
    TForm1& window = openWindow();
    ASSERT_EQ(window.SelectChip(0, 0, 1), 1);
    EXPECT_EQ(window.SelectChip(0, 0, 5), -1);
    EXPECT_EQ(window.currentChip(), 1);
    EXPECT_EQ(window.Edit1->text(), QStringLiteral("256"));
    EXPECT_EQ(window.ComboBox3->currentIndex(), -1);
    EXPECT_EQ(window.ComboBox3->count(), 3);
}

TEST_F(TForm1ChipSelect, ChoosingATypePicksItsFirstManufacturerAndModelAndIsRemembered)
{
    writeDatabase({{"A,M1,X"}, {"B,N1,Y1", 2048}, {"B,N2,Y2"}, {"B,N1,Y3"}});
    TForm1& window = openWindow();
    choose(window.ComboBox1, 1);
    EXPECT_EQ(window.ComboBox2->currentText(), QStringLiteral("N1"));
    EXPECT_EQ(window.ComboBox3->currentText(), QStringLiteral("Y1"));
    EXPECT_EQ(window.currentChip(), 1);
    EXPECT_EQ(window.ComboBox5->currentText(), QStringLiteral("2KB"));

    choose(window.ComboBox3, 1);
    EXPECT_EQ(window.currentChip(), 3);
    EXPECT_EQ(window.rememberedIndex(0), 1);
    EXPECT_EQ(window.rememberedIndex(2), 1);

    choose(window.ComboBox2, 1);
    EXPECT_EQ(window.currentChip(), 2);
    EXPECT_EQ(window.rememberedIndex(1), 1);
    EXPECT_EQ(window.rememberedIndex(2), 0);
}

TEST_F(TForm1ChipSelect, SelectionFromCodeLeavesTheRememberedPositions)
{
    writeDatabase({{"A,M,X"}, {"B,N,Y"}});
    TForm1& window = openWindow();
    ASSERT_EQ(window.SelectChip(1, 0, 0), 1);
    EXPECT_EQ(window.rememberedIndex(0), 0);
}

TEST_F(TForm1ChipSelect, TheTypeListOnlyGrows)
{
    writeDatabase({{"A,M,X"}, {"B,N,Y"}});
    TForm1& window = openWindow();
    window.chipDatabase()[0] = window.chipDatabase()[1];
    ASSERT_TRUE(window.chipDatabase()[1].setNameText(QStringLiteral("C,N,Z")));
    window.SelectChip(0, 0, 0);
    EXPECT_EQ(items(window.ComboBox1), (QStringList{"A", "B", "C"}));
}
