// Flows around the chip: the keys after an operation, what an operation holds back, and the
// compare with the chip or a file. On the simulator, in English; results read from saved files
// and the log.
#include "WindowFixture.h"

#include "NextDialog.h"

#include "app/FileDialogs.h"
#include "app/GoToDialog.h"
#include "app/MessageBoxes.h"
#include "hexview/HexClipboard.h"
#include "hexview/HexEditorEx.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QMenu>
#include <QMimeData>
#include <QTest>
#include <QTextEdit>
#include <QTimer>
#include <QToolBar>

#include <dlfcn.h>

namespace {

class TForm1Compare : public WindowFixture {
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

    // Keys as a person presses them: to whatever control has the focus, else to the window.
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

    static void click(HexEditor& view, qint64 position)
    {
        const QPoint point = view.CellRect(view.Layout().nibbleColOf(position), view.Layout().rowOf(position)).center();
        QTest::mouseClick(view.viewport(), Qt::LeftButton, Qt::NoModifier, point);
    }

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

    QByteArray saveWithKeys(TForm1& window, const QString& name)
    {
        const QString path = m_dir.filePath(name);
        FileDialogs::setNextFileName(path);
        press(window, Qt::Key_S, Qt::ControlModifier);
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    static QString log(TForm1& window) { return window.RichEdit1->toPlainText(); }

    void* m_simulator = nullptr;
    int (*simulatorReset)(const char*) = nullptr;
};

#ifdef ZORVEX_SIM_LIBRARY
TEST_F(TForm1Compare, AfterAReadTheKeysStillReachTheViewThePersonWorkedIn)
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

TEST_F(TForm1Compare, CompareWithTheChipMarksEveryDifferenceAndF8WalksThem)
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

TEST_F(TForm1Compare, CompareWithAFileListsTheFirstFiftyRangesAndSaysHowManyMore)
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
}

}  // namespace
