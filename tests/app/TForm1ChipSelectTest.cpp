#include "WindowFixture.h"

#include "chipdb/TForm2.h"
#include "chipdb/TForm3.h"
#include "hexview/HexEditorEx.h"

#include <QComboBox>
#include <QLineEdit>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

#include <functional>

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

// Positions a smaller database no longer has: Read and Write act on the first chip, so the
// window names it rather than leaving its lists empty.
TEST_F(TForm1ChipSelect, RememberedPositionsThatNameNoChipShowTheChipTheOperationsUse)
{
    writeDatabase({{"T,M,A", 128, 8}, {"T,M,B", 256}, {"U,N,C", 512}});
    for (const char* stored : {"INDEX1=9", "INDEX2=9", "INDEX3=9", "INDEX1=-1\nINDEX3=-1"}) {
        writeSettings(QStringLiteral("[CHIP]\n") + QLatin1String(stored) + u'\n');
        TForm1& window = openWindow();
        EXPECT_EQ(window.currentChip(), 0) << stored;
        EXPECT_EQ(window.ComboBox3->currentText(), QStringLiteral("A")) << stored;
        EXPECT_EQ(window.Edit1->text(), QStringLiteral("128")) << stored;
        closeWindow();
        EXPECT_TRUE(readSettings().contains(QLatin1String(stored))) << stored;
    }
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

TEST_F(TForm1ChipSelect, EveryPathThatReloadsTheViewTakesItsEditsFirst)
{
    // An edit typed into a 24C02's image, then another chip chosen: from the lists, the search
    // dialog, the database editor's save. The edit must be in the buffer and in the new view;
    // one past the smaller chip's end is kept in the buffer too.
    struct Path {
        const char* name;
        std::function<void(TForm1&)> choose04;
    };
    const Path paths[] = {
        {"lists", [](TForm1& window) { choose(window.ComboBox3, 1); }},
        {"search", [](TForm1& window) {
             TForm3* dialog = window.Form3;
             QTimer::singleShot(0, dialog, [dialog] {
                 dialog->ComboBox1->setEditText(QStringLiteral("C04"));
                 dialog->ListView1->setCurrentItem(dialog->ListView1->topLevelItem(0));
                 dialog->BitBtn1Click();
             });
             dialog->exec();
         }},
        {"database save", [](TForm1& window) {
             window.ComboBox3->setCurrentIndex(1);
             emit window.Form2->chipTableChanged();
         }},
    };
    for (const Path& path : paths) {
        SCOPED_TRACE(path.name);
        writeDatabase({{"EEPROM,ACME,C02", 256, 8}, {"EEPROM,ACME,C04", 512, 16}});
        writeSettings(QStringLiteral("[CHIP]\nINDEX1=0\nINDEX2=0\nINDEX3=0\n"));
        TForm1& window = openWindow();
        ASSERT_EQ(window.currentChip(), 0);
        const quint8 edit[] = {0x12, 0x34, 0xAB, 0xCD};
        window.FlashEditor->WriteBuffer(edit, 0, 4);
        window.FlashEditor->SetModified(true);

        path.choose04(window);
        ASSERT_EQ(window.currentChip(), 1);
        EXPECT_EQ(window.FlashEditor->DataSize(), 512);
        quint8 shown[4] = {};
        window.FlashEditor->ReadBuffer(shown, 0, 4);
        EXPECT_TRUE(std::equal(edit, edit + 4, shown));
        EXPECT_TRUE(std::equal(edit, edit + 4, window.dataBuffer().data()));
        EXPECT_EQ(window.dataLength(), 256);

        const quint8 late = 0x5A;
        window.FlashEditor->WriteBuffer(&late, 300, 1);
        window.FlashEditor->SetModified(true);
        choose(window.ComboBox3, 0);
        EXPECT_EQ(window.dataBuffer()[300], late);
        EXPECT_EQ(window.dataLength(), 512);
        EXPECT_EQ(window.dataBuffer()[0], 0x12);
        closeWindow();
    }
}

TEST_F(TForm1ChipSelect, AnEditDoesNotCutOffTheImageBeyondTheChipTheViewWasLoadedFor)
{
    // A 512-byte image opened with the 256-byte chip chosen, edited, then the right chip chosen:
    // a write must still cover the whole image the view now shows.
    writeDatabase({{"EEPROM,ACME,C02", 256, 8}, {"EEPROM,ACME,C04", 512, 16}});
    TForm1& window = openWindow();
    window.setDataLength(512);
    window.FlashEditor->SetDataAt(0, 0x5A);
    window.FlashEditor->SetModified(true);
    choose(window.ComboBox3, 1);
    EXPECT_EQ(window.dataLength(), 512);
}
