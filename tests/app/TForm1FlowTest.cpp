// The window in a person's hands: keys and mouse as a person uses them, results read from the
// file the window saves and from the log. English throughout (the language is not the subject),
// on the simulator where a chip is needed.
#include "WindowFixture.h"

#include "NextDialog.h"

#include "app/ChecksumPanel.h"
#include "app/FileDialogs.h"
#include "app/GoToDialog.h"
#include "app/MessageBoxes.h"
#include "app/QtTranslations.h"
#include "buffer/ImageChecksum.h"
#include "hexview/HexClipboard.h"
#include "hexview/HexEditorEx.h"

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QFile>
#include <QFileDialog>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <QSettings>
#include <QTest>
#include <QTextEdit>
#include <QTimer>
#include <QToolBar>

#include <dlfcn.h>

namespace {

class TForm1Flow : public WindowFixture {
protected:
    static constexpr quint32 ChipSize = 0x10000;

    void SetUp() override
    {
        WindowFixture::SetUp();
        FileDialogs::reset();
        writeSettings(QStringLiteral("[DEVICE]\nLANGU=2\n"));
        writeDatabase({{"SPI_FLASH,Test,T", ChipSize}});
    }

    void TearDown() override
    {
        EXPECT_EQ(FileDialogs::pendingFileNames(), 0) << "queued file names were not used";
        FileDialogs::reset();
        WindowFixture::TearDown();
        if (m_simulator) {
            simulatorReset(nullptr);
            dlclose(m_simulator);
        }
    }

    TForm1& openWithImage()
    {
        TForm1& window = openWindow();
        for (quint32 i = 0; i < ChipSize; ++i)
            window.dataBuffer()[i] = static_cast<quint8>(i);
        window.setDataLength(ChipSize);
        window.LoadViewFromBuffer();
        activate(window);
        QApplication::clipboard()->clear();
        return window;
    }

    // Without a window manager nothing hands activation back after a dialog; a person's does.
    static void activate(TForm1& window)
    {
        QCoreApplication::processEvents();
        const auto ready = [&] {
            return window.isActiveWindow() && QGuiApplication::focusWindow() == window.windowHandle();
        };
        if (!ready()) {
            window.activateWindow();
            EXPECT_TRUE(QTest::qWaitFor(ready));
        }
    }

    // A key as a person presses it: to whatever control has the focus, else to the window.
    static void press(TForm1& window, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        activate(window);
        QWidget* focus = QApplication::focusWidget();
        QTest::keyClick(focus ? focus : &window, key, modifiers);
    }

    static void type(TForm1& window, const char* text)
    {
        activate(window);
        QWidget* focus = QApplication::focusWidget();
        ASSERT_NE(focus, nullptr) << "no control has the focus";
        QTest::keyClicks(focus, QString::fromLatin1(text));
    }

    static QPoint byteCentre(HexEditor& view, qint64 position)
    {
        return view.CellRect(view.Layout().nibbleColOf(position), view.Layout().rowOf(position)).center();
    }

    static void click(HexEditor& view, qint64 position)
    {
        QTest::mouseClick(view.viewport(), Qt::LeftButton, Qt::NoModifier, byteCentre(view, position));
    }

    // Right click on a byte, then the context menu item.
    static void contextCommand(TForm1& window, qint64 position, QAction* item)
    {
        HexEditor& view = *window.FlashEditor;
        const QPoint point = byteCentre(view, position);
        QTest::mousePress(view.viewport(), Qt::RightButton, Qt::NoModifier, point);
        QContextMenuEvent event(QContextMenuEvent::Mouse, point, view.viewport()->mapToGlobal(point));
        QApplication::sendEvent(view.viewport(), &event);
        QTest::mouseRelease(view.viewport(), Qt::RightButton, Qt::NoModifier, point);
        ASSERT_TRUE(window.EditPopupMenu->isVisible());
        ASSERT_TRUE(item->isEnabled()) << qPrintable(item->objectName());
        window.EditPopupMenu->hide();
        item->trigger();
    }

    // Ctrl+S into a file of the test's folder; the file's bytes.
    QByteArray saveWithKeys(TForm1& window, const QString& name)
    {
        const QString path = m_dir.filePath(name);
        FileDialogs::setNextFileName(path);
        press(window, Qt::Key_S, Qt::ControlModifier);
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

#ifdef ZORVEX_SIM_LIBRARY
    // One programmer with a 64 KiB flash holding the simulator's pattern: byte i is i ^ (i >> 8).
    void useSimulator()
    {
        m_simulator = dlopen(ZORVEX_SIM_LIBRARY, RTLD_NOW | RTLD_LOCAL);
        ASSERT_NE(m_simulator, nullptr);
        simulatorReset = reinterpret_cast<int (*)(const char*)>(dlsym(m_simulator, "zorvex_sim_reset"));
        ASSERT_NE(simulatorReset, nullptr);
        ASSERT_EQ(simulatorReset("[device]\nchip = 25flash\nchip_size = 64K\nchip_content = pattern\n"), 0);
        m_environment.usbLibrary = QStringLiteral(ZORVEX_SIM_LIBRARY);
    }
#endif

    static quint8 chipByte(qint64 i) { return static_cast<quint8>(i ^ (i >> 8)); }

    // Ctrl+G, the address typed, Go to: the caret moves there and the view takes the keys.
    static void goTo(TForm1& window, qint64 address)
    {
        const NextDialog<GoToDialog> next([address](GoToDialog& dialog) {
            QTest::keyClicks(dialog.AddressEdit, QString::number(address, 16));
            QTest::mouseClick(dialog.GoToButton, Qt::LeftButton);
        });
        press(window, Qt::Key_G, Qt::ControlModifier);
    }

    static void clickToolButton(TForm1& window, QAction* action)
    {
        QWidget* button = window.ToolBar1->widgetForAction(action);
        ASSERT_NE(button, nullptr);
        QTest::mouseClick(button, Qt::LeftButton);
    }

    static QString log(TForm1& window) { return window.RichEdit1->toPlainText(); }

    static QByteArray original(qsizetype from = 0, qsizetype count = ChipSize)
    {
        QByteArray bytes;
        for (qsizetype i = from; i < from + count; ++i)
            bytes.append(static_cast<char>(i));
        return bytes;
    }

    void* m_simulator = nullptr;
    int (*simulatorReset)(const char*) = nullptr;
};

TEST_F(TForm1Flow, PasteHexTextTakesHexBytesAtTheRightClickedByteAndRefusesOtherText)
{
    TForm1& window = openWithImage();
    HexEditorEx& view = *window.FlashEditor;
    click(view, 0x08);

    // Copied from a C source: inserted as 12 34 before the byte right-clicked, not at the caret.
    QApplication::clipboard()->setText(QStringLiteral("0x12, 0x34"));
    contextCommand(window, 0x40, window.PasteHex1);
    // The inserted bytes push the image's end past the chip: each save asks before cutting it.
    const auto saveLonger = [&](const QString& name) {
        MessageBoxes::setNextAnswer(QMessageBox::Yes);
        const QByteArray bytes = saveWithKeys(window, name);
        EXPECT_EQ(MessageBoxes::pendingAnswers(), 0) << qPrintable(name);
        MessageBoxes::clearHistory();
        return bytes;
    };
    QByteArray saved = saveLonger(QStringLiteral("pasted.bin"));
    ASSERT_EQ(saved.size(), ChipSize);
    EXPECT_EQ(saved.left(0x40), original(0, 0x40));
    EXPECT_EQ(saved.mid(0x40, 2), QByteArray("\x12\x34"));
    EXPECT_EQ(saved.mid(0x42, 0x10), original(0x40, 0x10));

    // Text that is not hex: refused naming what could not be read; the image stays. Ctrl+V with
    // the format question's hex-text box reads the text the same way; without it, Text holding
    // a character no byte shows is refused too.
    bool asHex = true;
    view.ChooseClipboardFormat = [&asHex](const QStringList&, int& chosen, bool& hexText) {
        chosen = 0;  // Text
        hexText = asHex;
        return true;
    };
    const struct {
        const char* text;
        const char* named;
        bool byKey;
        bool hex = true;
    } refusals[] = {{"hello WORLD", "character 1, \"h\"", false}, {"DE AD B", "character 7, \"B\"", false},
        {"0x12, 0x3", "character 9, \"3\"", true}, {"ab\u00A0\u2192", "\"\u2192\", character 4", true, false}};
    for (const auto& refusal : refusals) {
        asHex = refusal.hex;
        QApplication::clipboard()->setText(QString::fromUtf8(refusal.text));
        MessageBoxes::setNextAnswer(QMessageBox::Ok);
        if (refusal.byKey) {
            click(view, 0x80);
            press(window, Qt::Key_V, Qt::ControlModifier);
        } else {
            contextCommand(window, 0x80, window.PasteHex1);
        }
        ASSERT_EQ(MessageBoxes::history().size(), 1) << refusal.text;
        EXPECT_TRUE(MessageBoxes::history().front().text.contains(QString::fromUtf8(refusal.named)))
            << qPrintable(MessageBoxes::history().front().text);
        MessageBoxes::clearHistory();
        EXPECT_EQ(saveLonger(QStringLiteral("refused.bin")), saved) << refusal.text;
        QFile::remove(m_dir.filePath(QStringLiteral("refused.bin")));
    }

    // Inside the selection a right click keeps it: the paste replaces the selected bytes.
    view.SetSelStart(0x100);
    view.SetSelEnd(0x103);
    QApplication::clipboard()->setText(QStringLiteral("AA BB CC DD"));
    contextCommand(window, 0x102, window.PasteHex1);
    saved = saveLonger(QStringLiteral("replaced.bin"));
    EXPECT_EQ(saved.mid(0x100, 4), QByteArray("\xAA\xBB\xCC\xDD"));
    EXPECT_EQ(static_cast<quint8>(saved[0x104]), 0x02);  // byte 0x102 of the image, moved up by the first paste
}

TEST_F(TForm1Flow, TheChecksumPanelSumsTheImageSaveWrites)
{
    TForm1& window = openWithImage();
    HexEditorEx& view = *window.FlashEditor;
    // Cut shortens the view below the chip's size: Save writes the view, then the buffer's tail.
    click(view, 0x20);
    press(window, Qt::Key_Down, Qt::ShiftModifier);
    press(window, Qt::Key_X, Qt::ControlModifier);
    ASSERT_LT(view.DataSize(), ChipSize);
    ASSERT_TRUE(QTest::qWaitFor([&] { return window.CrcPanel->isCurrent(); }));
    const QString shown = window.CrcPanel->text();
    const QByteArray saved = saveWithKeys(window, QStringLiteral("cut.bin"));
    ASSERT_EQ(saved.size(), ChipSize);
    EXPECT_EQ(shown, QStringLiteral("CRC32: ") + crc32Text(crc32Continue(crc32Start(),
        {reinterpret_cast<const std::uint8_t*>(saved.constData()), static_cast<std::size_t>(saved.size())})));
}

TEST_F(TForm1Flow, APathPastedIntoTheFileDialogLeavesOutTheLineEndItWasCopiedWith)
{
    TForm1& window = openWithImage();
    const QString path = m_dir.filePath(QStringLiteral("pasted.bin"));
    // Copied from a terminal or a text with Windows line ends: the field keeps the CR unseen.
    const auto pasteAndEnter = [&](QFileDialog& dialog) {
        auto* name = dialog.findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        if (!name) {
            dialog.reject();
            return;
        }
        QApplication::clipboard()->setText(path + QStringLiteral("\r\n"));
        name->setFocus();
        QTest::keyClick(name, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(name, Qt::Key_V, Qt::ControlModifier);
        QTest::keyClick(name, Qt::Key_Return);
        if (dialog.isVisible())
            dialog.reject();
    };
    {
        const NextDialog<QFileDialog> next(pasteAndEnter);
        press(window, Qt::Key_S, Qt::ControlModifier);
    }
    EXPECT_EQ(QDir(m_dir.path()).entryList({QStringLiteral("pasted*")}, QDir::Files), QStringList{QStringLiteral("pasted.bin")});
    EXPECT_EQ(QFileInfo(path).size(), ChipSize);

    window.FlashEditor->SetSelStart(0);
    type(window, "55");
    {
        const NextDialog<QFileDialog> next(pasteAndEnter);
        // The dialog's own "file not found" box, answered so that the test fails instead of waiting.
        const NextDialog<QMessageBox> notFound([](QMessageBox& box) { box.reject(); });
        press(window, Qt::Key_O, Qt::ControlModifier);
    }
    EXPECT_TRUE(MessageBoxes::history().isEmpty());
    EXPECT_EQ(window.FlashEditor->GetDataAt(0), original(0, 1).at(0));
}

TEST_F(TForm1Flow, AllFilesListsFilesWithoutADotAndTheDialogsStartInTheLastImageFolder)
{
    const QString images = m_dir.filePath(QStringLiteral("images"));
    ASSERT_TRUE(QDir().mkpath(images));
    for (const char* name : {"flash_dump", "old.bin"}) {
        QFile file(QDir(images).filePath(QString::fromLatin1(name)));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(QByteArray(16, name[0]));
    }
    writeSettings(QStringLiteral("[DEVICE]\nLANGU=2\n[Folders]\nImages=%1\n").arg(images));
    TForm1& window = openWithImage();

    int listedUnderAllFiles = -1;
    QString startedIn;
    const NextDialog<QFileDialog> next([&](QFileDialog& dialog) {
        startedIn = dialog.directory().absolutePath();
        auto* types = dialog.findChild<QComboBox*>(QStringLiteral("fileTypeCombo"));
        auto* list = dialog.findChild<QAbstractItemView*>(QStringLiteral("listView"));
        if (!types || !list) {
            dialog.reject();
            return;
        }
        const int allFiles = types->findText(QStringLiteral("All files (*.*)"));
        types->setCurrentIndex(allFiles);
        emit types->activated(allFiles);
        emit types->textActivated(types->currentText());
        const auto listed = [list] { return list->model()->rowCount(list->rootIndex()); };
        (void)QTest::qWaitFor([&] { return listed() == 2; });
        listedUnderAllFiles = listed();
        // The name typed and Enter, as a person picks the file.
        auto* name = dialog.findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        if (!name) {
            dialog.reject();
            return;
        }
        QTest::keyClicks(name, QStringLiteral("flash_dump"));
        QTest::keyClick(name, Qt::Key_Return);
        if (dialog.isVisible())
            dialog.reject();  // not taken: the test fails on what it expected
    });
    press(window, Qt::Key_O, Qt::ControlModifier);
    EXPECT_EQ(startedIn, images);
    EXPECT_EQ(listedUnderAllFiles, 2);
    EXPECT_EQ(window.FlashEditor->GetDataAt(0), 'f');

    // The folder is kept in a section of its own, and the next start begins there.
    const QString before = readSettings();
    closeWindow();
    QSettings ini(m_environment.settingsPath, QSettings::IniFormat);
    EXPECT_EQ(ini.value(QStringLiteral("Folders/Images")).toString(), images);
    EXPECT_EQ(ini.value(QStringLiteral("DEVICE/LANGU")).toString(), QStringLiteral("2"));
    EXPECT_TRUE(before.contains(QStringLiteral("[DEVICE]")));
}

TEST_F(TForm1Flow, BoxesAtStartHaveButtonsInTheStoredLanguage)
{
    QtTranslations::apply(Language::English);  // what an earlier window may have left
    writeSettings(QStringLiteral("[DEVICE]\nLANGU=0\n"));
    QFile damaged(m_environment.databasePath);
    ASSERT_TRUE(damaged.open(QIODevice::WriteOnly | QIODevice::Truncate));
    damaged.write("not a chip table");
    damaged.close();
    QString ok;
    const NextDialog<QMessageBox> next([&](QMessageBox& box) {
        if (QAbstractButton* button = box.button(QMessageBox::Ok))
            ok = button->text();
        box.accept();
    });
    openWindow();
    EXPECT_EQ(ok, QStringLiteral("确定"));
}

TEST_F(TForm1Flow, AtStartTheKeysReachTheChipTypeListNotAControlThatShowsNoFocus)
{
    TForm1& window = openWindow();
    activate(window);
    // Not the chip column's scroll area, which shows no focus and takes no key.
    EXPECT_EQ(QApplication::focusWidget(), window.ComboBox1);
    // Shift+Tab from the first list leaves it; Tab comes straight back to it.
    press(window, Qt::Key_Backtab, Qt::ShiftModifier);
    press(window, Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), window.ComboBox1);
}

#ifdef ZORVEX_SIM_LIBRARY
TEST_F(TForm1Flow, AfterAReadTheKeysStillReachTheViewThePersonWorkedIn)
{
    useSimulator();
    TForm1& window = openWindow();
    HexEditorEx& view = *window.FlashEditor;
    click(view, 0x21);
    // The person looks for another programmer while the read runs: the submenu is disabled.
    bool programmerMenuEnabled = true;
    QTimer::singleShot(0, &window, [&] { programmerMenuEnabled = window.ProgrammerMenu->menuAction()->isEnabled(); });
    clickToolButton(window, window.ToolRead);
    EXPECT_FALSE(programmerMenuEnabled);
    EXPECT_TRUE(window.ProgrammerMenu->menuAction()->isEnabled());
    ASSERT_EQ(view.GetDataAt(0x21), chipByte(0x21));

    // The read showed the chip from its first byte, where the caret now is; no new click.
    activate(window);
    ASSERT_EQ(QApplication::focusWidget(), &view);
    type(window, "AB");
    // Ctrl+A, Ctrl+C: the shortcuts shown enabled act on the view.
    press(window, Qt::Key_A, Qt::ControlModifier);
    press(window, Qt::Key_C, Qt::ControlModifier);
    EXPECT_TRUE(window.Copy1->isEnabled());
    const QMimeData* copied = QApplication::clipboard()->mimeData();
    ASSERT_NE(copied, nullptr);
    const auto block = HexClipboard::fromPrivateBlock(copied->data(QString::fromLatin1(HexClipboard::PrivateFormat)));
    ASSERT_TRUE(block.has_value());
    EXPECT_EQ(block->size(), ChipSize);
    const QByteArray saved = saveWithKeys(window, QStringLiteral("read.bin"));
    ASSERT_EQ(saved.size(), ChipSize);
    EXPECT_EQ(static_cast<quint8>(saved[0]), 0xAB);
    EXPECT_EQ(static_cast<quint8>(saved[1]), chipByte(1));

    // The close box during a read: said in the status bar, and the window closes once the read
    // has ended, its settings saved.
    QString status;
    QTimer::singleShot(0, &window, [&] {
        window.close();
        status = window.statusText();
    });
    clickToolButton(window, window.ToolRead);
    EXPECT_EQ(status, QStringLiteral("An operation is running; the window closes when it ends."));
    EXPECT_FALSE(window.isVisible());
    EXPECT_TRUE(readSettings().contains(QStringLiteral("LANGU=2")));
}

TEST_F(TForm1Flow, CompareWithTheChipMarksEveryDifferenceAndF8WalksThem)
{
    useSimulator();
    TForm1& window = openWindow();
    HexEditorEx& view = *window.FlashEditor;
    clickToolButton(window, window.ToolRead);
    // Two edits, typed where Go to puts the caret, one of two bytes, the other at the end of the chip.
    goTo(window, 0x100);
    type(window, "AAAA");
    goTo(window, ChipSize - 1);
    type(window, "AA");
    const QString before = log(window);

    window.CompareChip1->trigger();
    EXPECT_EQ(view.DataSize(), ChipSize);
    const QString report = log(window).chopped(before.size());
    EXPECT_TRUE(report.contains(QStringLiteral("Buffer compared with the chip T (65536 bytes):\n"
                                               "3 differing bytes in 2 ranges\n"
                                               "0x100-0x101  2 bytes\n"
                                               "0xFFFF-0xFFFF  1 bytes")))
        << qPrintable(report);
    EXPECT_EQ(view.GetCursorPosition(), 0x100);
    EXPECT_EQ(window.DiffPanel->text(), QStringLiteral("Range 1 of 2"));
    // The buffer is what it was: the chip's bytes went nowhere but into the compare.
    EXPECT_EQ(view.GetDataAt(0x100), 0xAA);

    press(window, Qt::Key_F8);
    EXPECT_EQ(view.GetCursorPosition(), ChipSize - 1);
    EXPECT_EQ(window.DiffPanel->text(), QStringLiteral("Range 2 of 2"));
    press(window, Qt::Key_F8, Qt::ShiftModifier);
    EXPECT_EQ(view.GetCursorPosition(), 0x100);
    EXPECT_EQ(window.DiffPanel->text(), QStringLiteral("Range 1 of 2"));

    // The chip written back to the buffer: one line says they are equal, and the marks go.
    window.ToolReadClick();
    EXPECT_TRUE(view.DifferenceMarks().empty());
    EXPECT_TRUE(window.DiffPanel->text().isEmpty());
    EXPECT_FALSE(window.NextDiff1->isEnabled());
    window.CompareChip1->trigger();
    EXPECT_TRUE(window.firstLogLine().endsWith(QStringLiteral(":The buffer and the chip T are equal (65536 bytes).")))
        << qPrintable(window.firstLogLine());
}
#endif

TEST_F(TForm1Flow, CompareWithAFileListsTheFirstFiftyRangesAndSaysHowManyMore)
{
    TForm1& window = openWindow();
    QByteArray file(ChipSize, '\xFF');
    for (int i = 0; i < 60; ++i)
        file[0x1000 + 4 * i] = 0;
    const QString path = m_dir.filePath(QStringLiteral("other.bin"));
    QFile out(path);
    ASSERT_TRUE(out.open(QIODevice::WriteOnly));
    out.write(file);
    out.close();

    FileDialogs::setNextFileName(path);
    window.CompareFile1->trigger();
    const QStringList lines = log(window).split(u'\n');
    ASSERT_EQ(lines.size(), 1 + 1 + 50 + 1);
    EXPECT_TRUE(lines[0].endsWith(QStringLiteral("Buffer compared with the file %1 (65536 bytes):").arg(path)))
        << qPrintable(lines[0]);
    EXPECT_EQ(lines[1], QStringLiteral("60 differing bytes in 60 ranges"));
    EXPECT_EQ(lines[2], QStringLiteral("0x1000-0x1000  1 bytes"));
    EXPECT_EQ(lines.back(), QStringLiteral("(10 more ranges not listed)"));
    EXPECT_EQ(window.FlashEditor->DifferenceMarks().size(), 60u);
    EXPECT_EQ(window.FlashEditor->GetDataAt(0x1000), 0xFF);

    // A file longer than the chip: the part past the chip's size is not compared, and the log says so.
    ASSERT_TRUE(out.open(QIODevice::Append));
    out.write("tail");
    out.close();
    FileDialogs::setNextFileName(path);
    window.CompareFile1->trigger();
    EXPECT_TRUE(window.firstLogLine().endsWith(QStringLiteral("%1 holds 65540 bytes, the chip 65536: only the first 65536 are compared").arg(path)))
        << qPrintable(window.firstLogLine());
}

}  // namespace
