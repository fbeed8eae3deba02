#include "WindowFixture.h"

#include "NextDialog.h"


#include "text/Captions.h"
#include "app/FindDialog.h"
#include "app/GoToDialog.h"
#include "app/MessageBoxes.h"
#include "text/MessageCatalogExtra.h"
#include "app/PanelStatusBar.h"
#include "hexview/HexClipboard.h"
#include "hexview/HexEditorEx.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QMimeData>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTextEdit>
#include <QTimer>
#include <QToolBar>

#include <cstring>
#include <functional>

namespace {

// What to type and choose in the find dialog.
struct FindRun {
    QString text;
    bool asText = false;
    bool ignoreCase = false;
    bool fromStart = false;
};

class TForm1Edit : public WindowFixture {
protected:
    static constexpr quint32 ChipSize = 0x1000;

    TForm1& openWithImage(quint32 size = ChipSize)
    {
        writeDatabase({{"SPI_FLASH,Test,T", size}});
        TForm1& window = openWindow();
        for (quint32 i = 0; i < size; ++i)
            window.dataBuffer()[i] = static_cast<quint8>(i);
        window.LoadViewFromBuffer();
        window.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
        // Keys go to a control outside the hex view unless a test gives it the focus.
        window.ComboBox4->setFocus();
        QApplication::clipboard()->clear();
        return window;
    }

    void switchTo(TForm1& window, Language language)
    {
        QAction* item = language == Language::Simplified ? window.China
            : language == Language::Traditional            ? window.fanti
                                                            : window.Enlish;
        item->trigger();
        ASSERT_EQ(currentLanguage(), language);
    }

    // The view reports selection changes once the event loop runs, as it does between two
    // inputs of a person; the commands' enabled state follows then.
    static void settle() { QCoreApplication::processEvents(); }

    // Without a window manager a closed dialog leaves no window active; a person's window
    // manager hands activation back, and the window's keys need it.
    // Shortcuts go to the focus window, which can still be a dialog just closed while the
    // window already counts as active: wait for both.
    static void activate(TForm1& window)
    {
        settle();
        const auto ready = [&] {
            return window.isActiveWindow() && QGuiApplication::focusWindow() == window.windowHandle();
        };
        if (!ready()) {
            window.activateWindow();
            EXPECT_TRUE(QTest::qWaitFor(ready));
        }
    }

    static void keyToWindow(TForm1& window, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::ControlModifier)
    {
        activate(window);
        window.ComboBox4->setFocus();
        QTest::keyClick(window.ComboBox4, key, modifiers);
    }

    // The edit keys belong to the view: they act while it has the focus.
    static void keyToView(TForm1& window, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::ControlModifier)
    {
        activate(window);
        window.FlashEditor->setFocus();
        QTest::keyClick(window.FlashEditor, key, modifiers);
    }

    // A click on the menu item: only an enabled item acts.
    static void choose(QAction* item)
    {
        settle();
        item->trigger();
    }

    static quint8 viewByte(TForm1& window, qint64 position) { return window.FlashEditor->GetDataAt(position); }

    // The message the find dialog shows after Find, or "found" when it closed on a match.
    static QString find(const FindRun& run, const std::function<void()>& open)
    {
        QString outcome;
        const NextDialog<FindDialog> next([&](FindDialog& dialog) {
            dialog.FindEdit->setText(run.text);
            (run.asText ? dialog.TextRadio : dialog.HexRadio)->setChecked(true);
            dialog.IgnoreCaseBox->setChecked(run.ignoreCase);
            (run.fromStart ? dialog.FromStartRadio : dialog.FromCaretRadio)->setChecked(true);
            dialog.FindButton->click();
            if (dialog.isVisible()) {
                outcome = dialog.MessageLabel->text();
                dialog.CloseButton->click();
            } else {
                outcome = QStringLiteral("found");
            }
        });
        open();
        return outcome;
    }
};

constexpr Language kLanguages[] = {Language::Simplified, Language::Traditional, Language::English};

TEST_F(TForm1Edit, EveryCommandIsCaptionedInEachLanguageAndNoKeyServesTwoCommands)
{
    TForm1& window = openWithImage();
    const CaptionSet& captions = captionsFor(u"TForm1");
    for (const Language language : kLanguages) {
        switchTo(window, language);
        for (QAction* action : {window.Undo1, window.Redo1, window.Cut1, window.Copy1, window.Paste1,
                 window.PasteHex1, window.SelectAll1, window.Find1, window.FindNext1, window.GoTo1}) {
            const CaptionEntry* entry = captions.find(action->objectName(), CaptionProperty::MenuCaption);
            ASSERT_NE(entry, nullptr) << qPrintable(action->objectName());
            EXPECT_EQ(action->text(), entry->text(language));
            EXPECT_TRUE(window.EditPopupMenu->actions().contains(action));
        }
        // Within the Buffer menu each item has an accelerator letter of its own.
        QSet<QChar> letters;
        for (QAction* item : window.Buff->actions()) {
            const qsizetype amp = item->text().indexOf(u'&');
            if (item->isSeparator())
                continue;
            ASSERT_GE(amp, 0) << qPrintable(item->text());
            EXPECT_TRUE(!letters.contains(item->text().at(amp + 1).toUpper())) << qPrintable(item->text());
            letters.insert(item->text().at(amp + 1).toUpper());
        }
    }
    // The view's keys are the window's while the view has the focus; only then are they shown.
    EXPECT_TRUE(window.Copy1->shortcuts().isEmpty());
    window.FlashEditor->setFocus();
    QMap<QKeySequence, QString> owners;
    for (QAction* action : window.findChildren<QAction*>()) {
        for (const QKeySequence& key : action->shortcuts()) {
            EXPECT_FALSE(owners.contains(key)) << qPrintable(key.toString()) << " on "
                << qPrintable(owners.value(key)) << " and " << qPrintable(action->objectName());
            owners.insert(key, action->objectName());
        }
    }
    EXPECT_EQ(window.O2->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_O));
    EXPECT_EQ(window.S1->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_S));
    EXPECT_EQ(window.Redo1->shortcuts(),
        QList<QKeySequence>({Qt::CTRL | Qt::SHIFT | Qt::Key_Z, Qt::CTRL | Qt::Key_Y}));
}

TEST_F(TForm1Edit, UndoRedoAndSelectAllWorkFromTheMenuAndTheKeysInEachLanguage)
{
    TForm1& window = openWithImage();
    for (const Language language : kLanguages) {
        switchTo(window, language);
        // Each language starts from the image, not from the last round's edits.
        window.FlashEditor->SetModified(false);
        window.LoadViewFromBuffer();
        window.updateEditCommands();
        EXPECT_FALSE(window.Undo1->isEnabled());
        EXPECT_FALSE(window.Redo1->isEnabled());

        window.FlashEditor->setFocus();
        QTest::keyClicks(window.FlashEditor, QStringLiteral("5A"));
        ASSERT_EQ(viewByte(window, 0), 0x5A);
        window.ComboBox4->setFocus();
        EXPECT_TRUE(window.Undo1->isEnabled());

        choose(window.Undo1);  // high nibble back
        choose(window.Undo1);
        EXPECT_EQ(viewByte(window, 0), 0x00);
        EXPECT_TRUE(window.Redo1->isEnabled());
        choose(window.Redo1);
        EXPECT_EQ(viewByte(window, 0), 0x50);

        keyToView(window, Qt::Key_Z);
        EXPECT_EQ(viewByte(window, 0), 0x00);
        keyToView(window, Qt::Key_Y);
        EXPECT_EQ(viewByte(window, 0), 0x50);
        keyToView(window, Qt::Key_Z);
        keyToView(window, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
        EXPECT_EQ(viewByte(window, 0), 0x50);

        keyToView(window, Qt::Key_A);
        EXPECT_EQ(window.FlashEditor->SelCount(), ChipSize);
        window.FlashEditor->SetSelStart(0);
        choose(window.SelectAll1);
        EXPECT_EQ(window.FlashEditor->SelCount(), ChipSize);
    }
}

TEST_F(TForm1Edit, CutCopyPasteAndPasteHexTextFromTheMenuAndTheKeys)
{
    TForm1& window = openWithImage();
    HexEditorEx& view = *window.FlashEditor;
    for (const Language language : kLanguages) {
        switchTo(window, language);
        view.SetModified(false);  // each language starts from the image
        window.LoadViewFromBuffer();
        view.SetSelStart(0x10);
        view.SetSelEnd(0x11);
        choose(window.Copy1);
        ASSERT_TRUE(QApplication::clipboard()->mimeData()->hasFormat(QString::fromLatin1(HexClipboard::PrivateFormat)));
        view.SetSelStart(0x20);
        choose(window.Paste1);  // inserts at the caret
        EXPECT_EQ(view.DataSize(), ChipSize + 2);
        EXPECT_EQ(viewByte(window, 0x20), 0x10);
        EXPECT_EQ(viewByte(window, 0x21), 0x11);
        EXPECT_EQ(viewByte(window, 0x22), 0x20);

        view.SetSelStart(0x30);
        view.SetSelEnd(0x33);
        keyToView(window, Qt::Key_X);
        EXPECT_EQ(view.DataSize(), ChipSize - 2);
        EXPECT_EQ(viewByte(window, 0x30), 0x32);  // 0x30 moved up by the two pasted bytes
        view.SetSelStart(0);
        keyToView(window, Qt::Key_V);
        EXPECT_EQ(view.DataSize(), ChipSize + 2);
        EXPECT_EQ(viewByte(window, 0), 0x2E);
        view.SetSelStart(0);
        view.SetSelEnd(1);
        keyToView(window, Qt::Key_C);
        choose(window.Cut1);
        EXPECT_EQ(view.DataSize(), ChipSize);
        EXPECT_EQ(viewByte(window, 0), 0x2E + 2);

        // Text from another program, read as hex whatever the view's hex-text setting says.
        QApplication::clipboard()->setText(QStringLiteral("41 42"));
        view.SetSelStart(5);
        choose(window.PasteHex1);
        EXPECT_EQ(view.DataSize(), ChipSize + 2);
        EXPECT_EQ(viewByte(window, 5), 0x41);
        EXPECT_EQ(viewByte(window, 6), 0x42);
        EXPECT_FALSE(view.ClipboardAsHexText());
    }
}

TEST_F(TForm1Edit, TheHexViewKeepsItsOwnKeysWhileItHasTheFocus)
{
    TForm1& window = openWithImage();
    HexEditorEx& view = *window.FlashEditor;
    int menuCommands = 0;
    for (QAction* action : window.EditPopupMenu->actions())
        QObject::connect(action, &QAction::triggered, [&menuCommands] { ++menuCommands; });
    auto key = [&view](Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::ControlModifier) {
        settle();  // the menu items are enabled, so only the view's claim keeps the keys from them
        QTest::keyClick(&view, key, modifiers);
    };
    view.setFocus();
    QTest::keyClicks(&view, QStringLiteral("AB"));
    key(Qt::Key_Z);
    EXPECT_EQ(viewByte(window, 0), 0xA0);
    key(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(viewByte(window, 0), 0xAB);
    view.SetSelStart(2);
    key(Qt::Key_A);
    EXPECT_EQ(view.SelCount(), ChipSize);
    view.SetSelStart(2);
    view.SetSelEnd(3);
    key(Qt::Key_C);
    key(Qt::Key_X);
    EXPECT_EQ(view.DataSize(), ChipSize - 2);
    key(Qt::Key_V);
    EXPECT_EQ(view.DataSize(), ChipSize);
    EXPECT_EQ(menuCommands, 0);

    // Ctrl+Y is the window's alone, and reaches it from the view.
    key(Qt::Key_Z);
    key(Qt::Key_Y);
    EXPECT_EQ(menuCommands, 1);
    EXPECT_EQ(view.DataSize(), ChipSize);
}

TEST_F(TForm1Edit, CommandsAreEnabledOnlyWhenTheyCanAct)
{
    TForm1& window = openWithImage();
    HexEditorEx& view = *window.FlashEditor;
    window.updateEditCommands();
    for (QAction* action : {window.Undo1, window.Redo1, window.Cut1, window.Copy1, window.Paste1,
             window.PasteHex1, window.FindNext1})
        EXPECT_FALSE(action->isEnabled()) << qPrintable(action->objectName());
    for (QAction* action : {window.SelectAll1, window.Find1, window.GoTo1})
        EXPECT_TRUE(action->isEnabled()) << qPrintable(action->objectName());

    view.SetSelStart(3);
    view.SetSelEnd(4);
    window.updateEditCommands();
    EXPECT_TRUE(window.Copy1->isEnabled());
    EXPECT_TRUE(window.Cut1->isEnabled());

    // Any text: Paste hex text refuses text that is not hex on use, saying which character.
    QApplication::clipboard()->setText(QStringLiteral("xyz, not hex"));
    EXPECT_TRUE(window.Paste1->isEnabled());
    EXPECT_TRUE(window.PasteHex1->isEnabled());
    QApplication::clipboard()->setText(QStringLiteral(" \n"));
    EXPECT_FALSE(window.PasteHex1->isEnabled());
    QApplication::clipboard()->setText(QStringLiteral("de ad"));
    EXPECT_TRUE(window.PasteHex1->isEnabled());
    QApplication::clipboard()->clear();
    EXPECT_FALSE(window.Paste1->isEnabled());
    EXPECT_FALSE(window.PasteHex1->isEnabled());

    // Nothing shown (a chip of size 0): nothing to select, find or go to.
    window.FlashEditor->LoadFromBytes({});
    window.updateEditCommands();
    for (QAction* action : {window.SelectAll1, window.Find1, window.GoTo1, window.Copy1})
        EXPECT_FALSE(action->isEnabled()) << qPrintable(action->objectName());
}

TEST_F(TForm1Edit, CommandsAreRefusedWhileAChipOperationRuns)
{
    TForm1& window = openWithImage();
    HexEditorEx& view = *window.FlashEditor;
    view.setFocus();
    QTest::keyClicks(&view, QStringLiteral("77"));
    view.SetSelStart(8);
    view.SetSelEnd(9);
    QApplication::clipboard()->setText(QStringLiteral("01 02"));

    // Once the operation's frame has disabled the controls, the menu shows every edit command
    // disabled; a command that arrives all the same (its key queued before the operation
    // started) does nothing.
    bool refused = false;
    ASSERT_TRUE(whileAnOperationRuns(window, [&] {
        // Before its frame the tool bar still reads idle; the operation runs all the same.
        window.SelectAll1Click();
        window.Cut1Click();
        ASSERT_EQ(view.SelCount(), 2);  // and before Find could open a dialog that would block
        window.setOperationControlsEnabled(false);
        for (QAction* action : {window.Undo1, window.Redo1, window.Cut1, window.Copy1, window.Paste1,
                 window.PasteHex1, window.SelectAll1, window.Find1, window.FindNext1, window.GoTo1,
                 window.O2, window.S1, window.Fill, window.A1, window.E1, window.W1, window.R1,
                 window.V1, window.N7})
            EXPECT_FALSE(action->isEnabled()) << qPrintable(action->objectName());
        window.Undo1Click();
        window.Cut1Click();
        window.PasteHex1Click();
        window.SelectAll1Click();
        window.Find1Click();  // would block in its dialog if it opened one
        window.GoTo1Click();
        refused = viewByte(window, 0) == 0x77 && view.DataSize() == ChipSize && view.SelCount() == 2;
        window.setOperationControlsEnabled(true);
    }));
    EXPECT_TRUE(refused);

    for (QAction* action : {window.Undo1, window.O2, window.S1, window.Fill, window.R1, window.N7})
        EXPECT_TRUE(action->isEnabled()) << qPrintable(action->objectName());
    choose(window.Undo1);
    EXPECT_EQ(viewByte(window, 0), 0x70);
}

TEST_F(TForm1Edit, TheContextMenuOpensOnTheDataButNotOnTheGutter)
{
    TForm1& window = openWithImage();
    HexEditorEx& view = *window.FlashEditor;
    // The second row selected, where the menu opens: the selection stays for it.
    view.SetSelStart(0x10);
    view.SetSelEnd(0x1F);
    QWidget* viewport = view.viewport();
    const QRect data = view.CellRect(view.FixedCols(), view.FixedRows() + 1);
    const QRect gutter = view.CellRect(0, view.FixedRows() + 1);
    ASSERT_FALSE(data.isNull());
    ASSERT_FALSE(gutter.isNull());

    QContextMenuEvent onData(QContextMenuEvent::Mouse, data.center(), viewport->mapToGlobal(data.center()));
    QApplication::sendEvent(viewport, &onData);
    EXPECT_TRUE(window.EditPopupMenu->isVisible());
    // Opening it keeps the selection, so Copy acts on it.
    EXPECT_TRUE(window.Copy1->isEnabled());
    EXPECT_EQ(view.SelCount(), 16);
    window.EditPopupMenu->hide();

    QContextMenuEvent onGutter(QContextMenuEvent::Mouse, gutter.center(), viewport->mapToGlobal(gutter.center()));
    QApplication::sendEvent(viewport, &onGutter);
    EXPECT_FALSE(window.EditPopupMenu->isVisible());

    // The menu key goes to the view itself; the menu opens there for the selection as it is.
    QContextMenuEvent menuKey(QContextMenuEvent::Keyboard, QPoint(), view.mapToGlobal(QPoint()));
    QApplication::sendEvent(&view, &menuKey);
    EXPECT_TRUE(window.EditPopupMenu->isVisible());
    EXPECT_EQ(view.SelCount(), 16);
    window.EditPopupMenu->hide();

    // Shift+F10 does what the menu key does, on keyboards without one.
    QTest::keyClick(&view, Qt::Key_F10, Qt::ShiftModifier);
    EXPECT_TRUE(window.EditPopupMenu->isVisible());
    EXPECT_EQ(view.SelCount(), 16);
    window.EditPopupMenu->hide();
}

TEST_F(TForm1Edit, FindWithAWildcardReachesTheLastBytesOfA64MiBImageAndNoFurther)
{
    constexpr quint32 size = 0x4000000;
    TForm1& window = openWithImage(size);
    HexEditorEx& view = *window.FlashEditor;
    auto bytes = window.dataBuffer();
    std::fill(bytes.begin(), bytes.end(), quint8{0xFF});
    bytes[size - 3] = 0xDE;
    bytes[size - 2] = 0x00;
    bytes[size - 1] = 0xEF;
    window.LoadViewFromBuffer();
    ASSERT_EQ(view.DataSize(), size);

    for (const Language language : kLanguages) {
        switchTo(window, language);
        view.SetSelStart(0);
        EXPECT_EQ(find({QStringLiteral("DE ?? EF")}, [&] { keyToWindow(window, Qt::Key_F); }), QStringLiteral("found"));
        EXPECT_EQ(view.SelectionLow(), size - 3);
        EXPECT_EQ(view.SelectionHigh(), size - 1);
        EXPECT_GE(view.Row(), view.TopRow());  // scrolled into view
        EXPECT_LE(view.Row(), view.LastVisibleRow());

        // A match would need a byte past the end: none, said in the dialog in the language.
        const QString notFound = find({QStringLiteral("00 EF ??"), false, false, true}, [&] { choose(window.Find1); });
        EXPECT_EQ(notFound, ExtraMessages::text(ExtraText::NotFoundInImage).arg(QStringLiteral("00 EF ??")));
        EXPECT_EQ(view.SelectionLow(), size - 3);  // the last match stays selected
    }
}

TEST_F(TForm1Edit, FindNextGoesOnFromTheMatchAndSaysWhenThereIsNoneLeft)
{
    TForm1& window = openWithImage();
    HexEditorEx& view = *window.FlashEditor;
    auto bytes = window.dataBuffer();
    std::memcpy(bytes.data() + 0x100, "Boot", 4);
    std::memcpy(bytes.data() + 0x800, "BOOT", 4);
    window.LoadViewFromBuffer();

    for (const Language language : kLanguages) {
        switchTo(window, language);
        EXPECT_EQ(find({QStringLiteral("boot"), true, true, true}, [&] { choose(window.Find1); }), QStringLiteral("found"));
        EXPECT_EQ(view.SelectionLow(), 0x100);
        EXPECT_TRUE(window.FindNext1->isEnabled());
        keyToWindow(window, Qt::Key_F3, Qt::NoModifier);
        EXPECT_EQ(view.SelectionLow(), 0x800);
        EXPECT_EQ(view.SelCount(), 4);

        MessageBoxes::clearHistory();
        MessageBoxes::setNextAnswer(QMessageBox::Ok);
        choose(window.FindNext1);
        ASSERT_EQ(MessageBoxes::history().size(), 1);
        EXPECT_EQ(MessageBoxes::history().front().text,
            ExtraMessages::text(ExtraText::NotFoundAfterCaret, language).arg(QStringLiteral("boot")));
        EXPECT_EQ(view.SelectionLow(), 0x800);
    }
    EXPECT_EQ(MessageBoxes::history().front().text,
        QStringLiteral("\"boot\" was not found between the caret and the end of the buffer."));

    // With case: only the exact spelling; a bad input is refused in the dialog.
    EXPECT_EQ(find({QStringLiteral("BOOT"), true, false, true}, [&] { choose(window.Find1); }), QStringLiteral("found"));
    EXPECT_EQ(view.SelectionLow(), 0x800);
    EXPECT_EQ(find({QStringLiteral("B0 0")}, [&] { choose(window.Find1); }),
        ExtraMessages::text(ExtraText::FindBadHexByte).arg(QStringLiteral("0")));
}

TEST_F(TForm1Edit, NextAndPreviousDifferenceGoOnPastTheLastAndTheFirstRange)
{
    TForm1& window = openWithImage();
    window.FlashEditor->SetDifferenceMarks({{0x10, 0x11}, {0x800, 0x800}});
    window.FlashEditor->SetSelStart(0x900);
    keyToWindow(window, Qt::Key_F8, Qt::NoModifier);  // past the last range: back to the first
    EXPECT_EQ(window.FlashEditor->GetCursorPosition(), 0x10);
    keyToWindow(window, Qt::Key_F8, Qt::ShiftModifier);  // before the first: on to the last
    EXPECT_EQ(window.FlashEditor->GetCursorPosition(), 0x800);
    EXPECT_EQ(window.DiffPanel->text(), ExtraMessages::text(ExtraText::DifferenceRangeStatus).arg(2).arg(2));
}

TEST_F(TForm1Edit, GoToRefusesAnAddressOutsideTheBufferAndMovesTheCaretToOneInside)
{
    TForm1& window = openWithImage();
    for (const Language language : kLanguages) {
        switchTo(window, language);
        QString refusal;
        QString title;
        const NextDialog<GoToDialog> next([&](GoToDialog& dialog) {
            title = dialog.windowTitle();
            dialog.AddressEdit->setText(QStringLiteral("1000"));
            dialog.GoToButton->click();
            refusal = dialog.MessageLabel->text();
            dialog.AddressEdit->setText(QStringLiteral("0ffe"));
            dialog.GoToButton->click();
        });
        keyToWindow(window, Qt::Key_G);
        EXPECT_EQ(title, ExtraMessages::text(ExtraText::GoToTitle, language));
        EXPECT_EQ(refusal, ExtraMessages::text(ExtraText::GoToOutside, language).arg(QStringLiteral("1000"), QStringLiteral("FFF")));
        EXPECT_EQ(window.FlashEditor->GetCursorPosition(), 0xFFE);
        window.FlashEditor->SetSelStart(0);
    }
}

TEST_F(TForm1Edit, NotConnectedCarriesItsLikelyCausesAsTheStatusTip)
{
    TForm1& window = openWindow();
    window.setStatus(MessageCatalog::text(MessageKey::StatusNotConnected));
    EXPECT_EQ(window.StatusBar1->panelToolTip(1), ExtraMessages::text(ExtraText::NotConnectedCauses, Language::Simplified));
    window.Enlish->trigger();
    const QString tip = window.StatusBar1->panelToolTip(1);
    EXPECT_TRUE(tip.contains(QStringLiteral("plugged in"))) << qPrintable(tip);
    EXPECT_TRUE(tip.contains(QStringLiteral("udev"))) << qPrintable(tip);
    EXPECT_TRUE(tip.contains(QStringLiteral("--simulate"))) << qPrintable(tip);
    window.setStatus(MessageCatalog::text(MessageKey::StatusReady));
    EXPECT_TRUE(window.StatusBar1->panelToolTip(1).isEmpty());
    EXPECT_TRUE(window.StatusBar1->panelToolTip(3).isEmpty());
}

}  // namespace

TEST_F(TForm1Edit, TheLogPaneKeepsItsOwnCopyAndSelectAll)
{
    TForm1& window = openWithImage();
    window.LogLine(QStringLiteral("log text"));
    window.FlashEditor->SetSelStart(0);
    window.FlashEditor->SetSelEnd(3);
    window.RichEdit1->setFocus();
    settle();
    QTest::keyClick(window.RichEdit1, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(window.RichEdit1, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("001:log text"));
    EXPECT_EQ(window.FlashEditor->SelCount(), 4);
}
