#include "chipdb/TForm2.h"

#include "text/MessageCatalogExtra.h"
#include "chipdb/ChipDatabaseFile.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

namespace {

ChipRecord chip(const char* name, quint8 family, quint8 subType, quint32 flashSize)
{
    ChipRecord record;
    EXPECT_TRUE(record.setNameText(QString::fromUtf8(name)));
    record.chipId = 0xC22017;
    record.flashSize = flashSize;
    record.flashPage = 16;
    record.family = family;
    record.subType = subType;
    record.delay = 50;
    record.voltage = Voltage5V0;
    record.eepromSize = 256;
    record.eepromPage = 8;
    record.xmlLink = 3;
    return record;
}

struct ChipEditor : ::testing::Test {
    QTemporaryDir dir;
    QString path = dir.filePath("chips.Dat");
    ChipDatabase database;
    std::unique_ptr<TForm2> editor;
    QStringList errors;
    QStringList questions;
    QList<bool> answers;  // one per question; a question without a queued answer reads No

    void writeFile(std::initializer_list<ChipRecord> records)
    {
        ChipDatabase source;
        int n = 0;
        for (const ChipRecord& r : records)
            source[n++] = r;
        ASSERT_TRUE(WriteChipDatabaseFile(source, n, path, {}));
    }

    void open()
    {
        editor = std::make_unique<TForm2>(database);
        editor->setDatabasePath(path);
        editor->setErrorReporter([this](const QString& message) { errors << message; });
        editor->setQuestioner([this](const QString& question) {
            questions << question;
            return !answers.isEmpty() && answers.takeFirst();
        });
        editor->show();
    }

    QByteArray fileBytes() const
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    QTableWidget* grid() { return editor->findChild<QTableWidget*>("StringGrid1"); }
    QComboBox* list(int n) { return editor->findChild<QComboBox*>(QStringLiteral("ComboBox%1").arg(n)); }
    void click(const char* button) { QTest::mouseClick(editor->findChild<QPushButton*>(button), Qt::LeftButton); }

    void doubleClickRow(int tableRow)
    {
        QWidget* viewport = grid()->viewport();
        const QPoint at = grid()->visualRect(grid()->model()->index(tableRow, 1)).center();
        QTest::mouseClick(viewport, Qt::LeftButton, {}, at);
        QTest::mouseDClick(viewport, Qt::LeftButton, {}, at);
    }
};

TEST_F(ChipEditor, OpensWithOneRowPerChipAndDistinctLists)
{
    writeFile({chip("SPI_FLASH,MXIC,MX25L3205", 0, 0, 4 << 20), chip("spi_flash,,W25Q32", 0, 1, 4 << 20),
               chip("24_EEPROM,ATMEL,AT24C02", 1, 0, 256)});
    open();
    ASSERT_EQ(grid()->rowCount(), 3);  // plus the header row
    ASSERT_EQ(grid()->columnCount(), 13);
    EXPECT_EQ(grid()->horizontalHeaderItem(0)->text(), QString::fromUtf8("芯片类型"));
    EXPECT_EQ(grid()->horizontalHeaderItem(12)->text(), QString::fromUtf8("关联XML"));
    EXPECT_EQ(grid()->columnWidth(10), 75);
    EXPECT_EQ(grid()->columnWidth(11), 60);
    EXPECT_EQ(grid()->item(1, 3)->text(), "0xC22017");
    EXPECT_EQ(grid()->item(1, 9)->text(), "2");
    EXPECT_FALSE(grid()->item(0, 0)->flags() & Qt::ItemIsEditable);
    EXPECT_TRUE(grid()->item(0, 1)->flags() & Qt::ItemIsEditable);

    EXPECT_EQ(list(1)->count(), 2);  // type texts compared ignoring case
    ASSERT_EQ(list(2)->count(), 2);  // the empty manufacturer is not listed
    EXPECT_EQ(list(2)->itemText(1), "ATMEL");
    EXPECT_EQ(list(3)->count(), 3);
    EXPECT_EQ(list(1)->currentText(), "SPI_FLASH");
    EXPECT_EQ(editor->selectedRow(), 0);
    EXPECT_EQ(editor->size(), QSize(880, 442));
}

TEST_F(ChipEditor, InitialFieldsAreTheDesignedOnes)
{
    open();
    const ChipEditorFields f = editor->fields();
    EXPECT_EQ(f.delay, "100");
    EXPECT_EQ(f.chipId, "0");
    EXPECT_EQ(f.link, "");
    EXPECT_EQ(list(4)->currentText(), QString::fromUtf8("25 flash 系列"));
    EXPECT_EQ(list(5)->currentText(), "64B");
    EXPECT_EQ(list(6)->currentText(), "1");
    EXPECT_EQ(list(7)->currentText(), "3.3V");
    EXPECT_EQ(list(8)->currentText(), QString::fromUtf8("非SST SPI flash"));
    EXPECT_EQ(list(10)->currentText(), "2B");
    EXPECT_EQ(list(11)->currentText(), "4");
}

TEST_F(ChipEditor, UnchangedSaveRewritesTheSameBytes)
{
    writeFile({chip("SPI_FLASH,MXIC,MX25L3205", 0, 0, 4 << 20), chip("93_EEPROM,ATMEL,AT93C66", 2, 89, 512)});
    const QByteArray before = fileBytes();
    ASSERT_EQ(before.size(), 3 * 68);
    open();
    QSignalSpy saved(editor.get(), &TForm2::chipTableChanged);
    click("BtnSave");
    EXPECT_TRUE(errors.isEmpty());
    EXPECT_EQ(fileBytes(), before);
    EXPECT_EQ(saved.count(), 1);
    EXPECT_EQ(database.count(), 2);
}

TEST_F(ChipEditor, DoubleClickLoadsARowAndAddWritesItBack)
{
    writeFile({chip("93_EEPROM,ATMEL,AT93C66", 2, 89, 512), chip("25_EEPROM,ST,M95040", 3, 1, 512),
               chip("25_EEPROM,ST,M95080", 3, 0, 1024)});
    open();
    doubleClickRow(0);
    EXPECT_EQ(editor->selectedRow(), 1);
    EXPECT_EQ(list(8)->currentText(), "93C66 16 BITS");
    EXPECT_EQ(list(4)->currentIndex(), 2);
    EXPECT_EQ(list(5)->currentText(), "512B");
    EXPECT_EQ(list(10)->currentText(), "256B");
    EXPECT_EQ(list(3)->currentText(), "AT93C66");
    EXPECT_EQ(editor->findChild<QLineEdit*>("Edit1")->text(), "50");
    EXPECT_EQ(list(12)->currentText(), "3");

    click("BtnAdd");
    ASSERT_EQ(grid()->rowCount(), 4);
    EXPECT_EQ(editor->selectedRow(), 4);
    EXPECT_EQ(grid()->item(3, 7)->text(), "89");
    EXPECT_EQ(grid()->item(3, 4)->text(), "512");

    // SPI EEPROMs get their sub-type from the capacity, not from the stored code.
    doubleClickRow(1);
    EXPECT_EQ(list(8)->currentText(), QString::fromUtf8("小于512B"));
    doubleClickRow(2);
    EXPECT_EQ(list(8)->currentText(), QString::fromUtf8("大等于512B"));
}

TEST_F(ChipEditor, EditReplacesTheSelectedRowAndFamilyChangeRebuildsSubTypes)
{
    writeFile({chip("24_EEPROM,ATMEL,AT24C02", 1, 0, 256)});
    open();
    click("BtnEdit");  // nothing selected yet: nothing happens
    EXPECT_EQ(grid()->item(0, 6)->text(), "1");

    doubleClickRow(0);
    list(4)->setCurrentIndex(Family93Eeprom);
    EXPECT_EQ(list(8)->count(), 10);
    EXPECT_EQ(list(8)->currentIndex(), 0);
    list(8)->setCurrentIndex(6);  // 93C57 16 BITS
    // 64 KB does not fit the record's EEPROM size: Edit and Add refuse it, naming the column.
    list(10)->setCurrentIndex(16);  // 64KB
    click("BtnEdit");
    click("BtnAdd");
    ASSERT_EQ(errors.size(), 2);
    EXPECT_TRUE(errors[0].contains("65536") && errors[0].contains("EEPROM")) << errors[0].toStdString();
    EXPECT_EQ(grid()->rowCount(), 1);
    EXPECT_EQ(grid()->item(0, 6)->text(), "1");
    errors.clear();

    list(10)->setCurrentIndex(15);  // 32KB
    click("BtnEdit");
    EXPECT_EQ(grid()->rowCount(), 1);
    EXPECT_EQ(grid()->item(0, 6)->text(), "2");
    EXPECT_EQ(grid()->item(0, 7)->text(), "88");
    EXPECT_EQ(grid()->item(0, 10)->text(), "32768");

    click("BtnSave");
    EXPECT_TRUE(errors.isEmpty());
    EXPECT_EQ(database[0].subType, 88);
    EXPECT_EQ(database[0].eepromSize, 32768);
}

TEST_F(ChipEditor, DeletingTheOnlyRowSavesJustTheTerminator)
{
    writeFile({chip("SPI_FLASH,MXIC,MX25L3205", 0, 0, 4 << 20)});
    open();
    grid()->setCurrentCell(0, 1);
    click("BtnDelete");
    EXPECT_EQ(grid()->rowCount(), 0);
    click("BtnDelete");  // no rows: nothing to do
    click("BtnSave");
    EXPECT_EQ(fileBytes(), QByteArray(68, '\0'));
    EXPECT_EQ(database.count(), 0);
}

TEST_F(ChipEditor, TypedTextsAreTrimmedOnSave)
{
    open();
    list(1)->setEditText("  SPI_FLASH ");
    list(2)->setEditText("GIGA DEVICE");
    list(3)->setEditText("GD25Q16");
    list(12)->setEditText("0");
    click("BtnAdd");
    click("BtnSave");
    ASSERT_TRUE(errors.isEmpty()) << errors.join('\n').toStdString();
    EXPECT_EQ(database[0].nameText(), "SPI_FLASH,GIGA DEVICE,GD25Q16");
    EXPECT_EQ(database[0].flashSize, 64u);
    EXPECT_EQ(database[0].eepromSize, 2u);
    EXPECT_EQ(database[0].eepromPage, 4u);
}

TEST_F(ChipEditor, ABadCellLeavesTableAndFileUnchanged)
{
    writeFile({chip("SPI_FLASH,MXIC,MX25L3205", 0, 0, 4 << 20), chip("SPI_FLASH,MXIC,MX25L6405", 0, 0, 8 << 20)});
    const QByteArray before = fileBytes();
    open();
    const ChipDatabase loaded = database;
    grid()->item(0, 1)->setText("CHANGED");  // a good change before the bad row
    grid()->item(1, 8)->setText("fast");
    QSignalSpy saved(editor.get(), &TForm2::chipTableChanged);
    click("BtnSave");
    ASSERT_EQ(errors, QStringList{"'fast' is not a valid integer value"});
    EXPECT_EQ(fileBytes(), before);
    EXPECT_TRUE(database[0] == loaded[0]);
    EXPECT_TRUE(database[1] == loaded[1]);
    EXPECT_EQ(saved.count(), 0);

    // The same text stops a double-click load before any field changes.
    errors.clear();
    doubleClickRow(1);
    EXPECT_EQ(errors, QStringList{"'fast' is not a valid integer value"});
    EXPECT_EQ(list(3)->currentText(), "MX25L3205");
}

TEST_F(ChipEditor, ARefusedCellIsMadeCurrentAndScrolledIntoView)
{
    writeFile({});
    open();
    const ChipRecord good = chip("SPI_FLASH,MXIC,MX25L3205", 0, 0, 4 << 20);
    grid()->setRowCount(60);
    for (int r = 0; r < 60; ++r)
        for (int c = 0; c < ChipGridColumns; ++c)
            grid()->setItem(r, c, new QTableWidgetItem(rowFromRecord(good)[static_cast<std::size_t>(c)]));
    grid()->setCurrentCell(59, 1);  // where Add leaves the cursor
    const auto expectShown = [&](int row, int column) {
        EXPECT_EQ(grid()->currentRow(), row);
        EXPECT_EQ(grid()->currentColumn(), column);
        EXPECT_TRUE(grid()->viewport()->rect().contains(grid()->visualItemRect(grid()->item(row, column))));
    };
    grid()->item(3, 12)->setText("");  // an empty link names no text in the message
    click("BtnSave");
    expectShown(3, 12);
    grid()->item(3, 12)->setText("0");
    grid()->item(5, 2)->setText(QString(40, QLatin1Char('M')));  // a name too long
    click("BtnSave");
    expectShown(5, 2);
    grid()->item(5, 2)->setText("MX25L3205");
    grid()->item(40, 9)->setText("3V3");
    grid()->scrollToItem(grid()->item(40, 1));
    doubleClickRow(40);
    expectShown(40, 9);
    EXPECT_EQ(errors.size(), 3);
}

TEST_F(ChipEditor, AFailedWriteLeavesTheTableAsItWasAndSignalsNothing)
{
    writeFile({chip("SPI_FLASH,MXIC,MX25L3205", 0, 0, 4 << 20), chip("SPI_FLASH,MXIC,MX25L6405", 0, 0, 8 << 20)});
    open();
    const auto loaded = std::make_unique<ChipDatabase>(database);
    // A folder where the file was: the new file cannot take its place.
    ASSERT_TRUE(QFile::remove(path));
    ASSERT_TRUE(QDir().mkdir(path));
    grid()->setCurrentCell(0, 1);
    click("BtnDelete");
    QSignalSpy saved(editor.get(), &TForm2::chipTableChanged);
    EXPECT_FALSE(editor->SaveChipDatabase());
    ASSERT_EQ(errors.size(), 1);
    EXPECT_TRUE(errors[0].contains(QDir::toNativeSeparators(path))) << errors[0].toStdString();
    EXPECT_TRUE(std::ranges::equal(database.table(), loaded->table()));
    EXPECT_EQ(saved.count(), 0);
}

TEST_F(ChipEditor, ClosingWithUnsavedRowsAsksFirstEveryWay)
{
    writeFile({chip("SPI_FLASH,MXIC,MX25L3205", 0, 0, 4 << 20)});
    open();
    QTest::keyClick(grid(), Qt::Key_Escape);  // nothing changed: closes without a word
    EXPECT_TRUE(questions.isEmpty());
    EXPECT_FALSE(editor->isVisible());

    editor->show();
    grid()->item(0, 2)->setText("EDITED");
    QTest::keyClick(grid(), Qt::Key_Escape);
    ASSERT_EQ(questions.size(), 1);
    EXPECT_EQ(questions[0], ExtraMessages::text(ExtraText::EditorDiscardChanges));
    EXPECT_TRUE(editor->isVisible());
    EXPECT_EQ(grid()->item(0, 2)->text(), "EDITED");

    EXPECT_FALSE(editor->close());  // the close box
    click("BtnExit");
    EXPECT_EQ(questions.size(), 3);
    EXPECT_TRUE(editor->isVisible());

    answers << true;
    click("BtnExit");
    EXPECT_FALSE(editor->isVisible());
    editor->show();
    EXPECT_EQ(grid()->item(0, 2)->text(), "MX25L3205");
}

TEST_F(ChipEditor, TabLeavesTheGridSoTheButtonsCanBeReachedByKeyboard)
{
    writeFile({chip("SPI_FLASH,MXIC,MX25L3205", 0, 0, 4 << 20), chip("SPI_FLASH,MXIC,MX25L6405", 0, 0, 8 << 20)});
    open();
    editor->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(editor.get()));
    grid()->setFocus();
    grid()->setCurrentCell(0, 4);
    QTest::keyClick(grid(), Qt::Key_Tab);
    EXPECT_NE(QApplication::focusWidget(), grid());
    EXPECT_EQ(grid()->currentColumn(), 4);
}

TEST_F(ChipEditor, CtrlVOnACellNotBeingEditedPastesIntoIt)
{
    writeFile({chip("SPI_FLASH,MXIC,MX25L3205", 0, 0, 4 << 20)});
    open();
    editor->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(editor.get()));
    grid()->setFocus();
    // A chip ID copied from a terminal or a spreadsheet cell brings its line end along.
    QApplication::clipboard()->setText("0xEF4017\r\n");
    for (const int column : {3, 0}) {  // the first column is not editable at all
        grid()->setCurrentCell(0, column);
        QTest::keyClick(grid(), Qt::Key_V, Qt::ControlModifier);
    }
    EXPECT_EQ(grid()->item(0, 3)->text(), "0xEF4017");
    EXPECT_EQ(grid()->item(0, 0)->text(), "SPI_FLASH");
    EXPECT_EQ(QApplication::focusWidget(), grid());  // no cell editor left open
    click("BtnSave");
    EXPECT_TRUE(errors.isEmpty());
    EXPECT_EQ(database[0].chipId, 0xEF4017u);
}

TEST_F(ChipEditor, ACellStillBeingTypedCountsAsAChange)
{
    writeFile({chip("SPI_FLASH,MXIC,MX25L3205", 0, 0, 4 << 20)});
    open();
    editor->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(editor.get()));
    grid()->setCurrentCell(0, 2);
    grid()->editItem(grid()->item(0, 2));
    QWidget* cellEditor = QApplication::focusWidget();
    ASSERT_TRUE(cellEditor && grid()->isAncestorOf(cellEditor));
    QTest::keyClicks(cellEditor, "X");
    EXPECT_FALSE(editor->close());  // the close box, with the cell editor still open
    ASSERT_EQ(questions.size(), 1);
    EXPECT_EQ(grid()->item(0, 2)->text(), "X");
}

TEST_F(ChipEditor, NoQuestionOnceTheGridMatchesTheFileAgainOrWasSaved)
{
    writeFile({chip("SPI_FLASH,MXIC,MX25L3205", 0, 0, 4 << 20)});
    open();
    doubleClickRow(0);
    click("BtnAdd");
    click("BtnDelete");  // the added row is the current one
    click("BtnExit");
    EXPECT_TRUE(questions.isEmpty());
    EXPECT_FALSE(editor->isVisible());

    editor->show();
    grid()->item(0, 1)->setText("  MXIC");
    click("BtnSave");
    ASSERT_TRUE(errors.isEmpty());
    click("BtnExit");
    EXPECT_TRUE(questions.isEmpty());
    EXPECT_FALSE(editor->isVisible());
}

TEST_F(ChipEditor, TypedTextsAreNotCompletedFromTheLists)
{
    writeFile({chip("SPI_FLASH,WINBOND,W25Q16JV", 0, 0, 2 << 20)});
    open();
    // Completion works only in the field that has the focus, as when a person types.
    editor->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(editor.get()));
    const auto typeInto = [](QComboBox* box, const char* text) {
        box->setFocus();
        box->lineEdit()->clear();
        QTest::keyClicks(box->lineEdit(), text);
    };
    typeInto(list(1), "SPI");
    typeInto(list(3), "W25Q16");
    EXPECT_EQ(list(1)->currentText(), "SPI");
    EXPECT_EQ(list(3)->currentText(), "W25Q16");

    // Enter keeps the text as typed, letter case included, and adds nothing to the list.
    typeInto(list(2), "winbond");
    QTest::keyClick(list(2)->lineEdit(), Qt::Key_Return);
    EXPECT_EQ(list(2)->currentText(), "winbond");
    EXPECT_EQ(list(2)->count(), 1);

    list(12)->setEditText("0");
    click("BtnAdd");
    ASSERT_EQ(grid()->rowCount(), 2);
    EXPECT_EQ(grid()->item(1, 0)->text(), "SPI");
    EXPECT_EQ(grid()->item(1, 1)->text(), "winbond");
    EXPECT_EQ(grid()->item(1, 2)->text(), "W25Q16");
}

TEST_F(ChipEditor, MoreThan999RowsAreRefused)
{
    ChipDatabase source;
    for (int slot = 0; slot < MaxEditorChips; ++slot)
        source[slot] = chip("SPI_FLASH,MXIC,MX25L3205", 0, 0, 4 << 20);
    ASSERT_TRUE(WriteChipDatabaseFile(source, MaxEditorChips, path, {}));
    const QByteArray before = fileBytes();
    open();
    ASSERT_EQ(grid()->rowCount(), MaxEditorChips);
    doubleClickRow(0);
    click("BtnAdd");
    click("BtnSave");
    ASSERT_EQ(errors.size(), 1);
    EXPECT_TRUE(errors[0].contains("999"));
    EXPECT_EQ(fileBytes(), before);
}

// Another window saved the file while this editor was open: its chips are not written over
// without a word.
TEST_F(ChipEditor, SavingOverAFileChangedSinceItWasReadAsksFirst)
{
    writeFile({chip("SPI_FLASH,MXIC,MX25L3205", 0, 0, 4 << 20)});
    open();
    writeFile({chip("SPI_FLASH,MXIC,MX25L3205", 0, 0, 4 << 20), chip("SPI_FLASH,MXIC,MX25L6405", 0, 0, 8 << 20)});
    const QByteArray theirs = fileBytes();
    const auto loaded = std::make_unique<ChipDatabase>(database);

    EXPECT_FALSE(editor->SaveChipDatabase());
    ASSERT_EQ(questions.size(), 1);
    EXPECT_TRUE(questions[0].contains(QDir::toNativeSeparators(path))) << questions[0].toStdString();
    EXPECT_EQ(fileBytes(), theirs);
    EXPECT_TRUE(std::ranges::equal(database.table(), loaded->table()));

    answers << true;
    EXPECT_TRUE(editor->SaveChipDatabase());
    EXPECT_EQ(fileBytes().size(), 2 * 68);
    EXPECT_TRUE(editor->SaveChipDatabase());  // the file is now the editor's own
    EXPECT_EQ(questions.size(), 2);
    EXPECT_TRUE(errors.isEmpty());
}

TEST_F(ChipEditor, EachOpeningReloadsTheFileDiscardingGridChanges)
{
    writeFile({chip("SPI_FLASH,MXIC,MX25L3205", 0, 0, 4 << 20)});
    open();
    grid()->item(0, 2)->setText("EDITED");
    editor->hide();
    editor->show();
    EXPECT_EQ(grid()->item(0, 2)->text(), "MX25L3205");

    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::Append));
    file.write("x");  // 69 bytes: damaged
    file.close();
    editor->hide();
    setCurrentLanguage(Language::English);  // said in the language the person reads
    editor->show();
    setCurrentLanguage(Language::Simplified);
    ASSERT_EQ(errors.size(), 1);
    EXPECT_EQ(errors[0], "The configuration file was destroyed.\n" + QDir::toNativeSeparators(path));
    EXPECT_EQ(grid()->rowCount(), 1);  // what the table held
}

}  // namespace
