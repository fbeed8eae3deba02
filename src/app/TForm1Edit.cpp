// The edit commands on the hex view: undo, redo, the clipboard, select all, find and go to, in
// the Buffer menu and in FlashEditor's context menu. Like Open and Fill they are refused while a
// chip operation runs: it moves the buffer block by block and processes events in between.
#include "TForm1.h"

#include "ChecksumPanel.h"
#include "controls/NamedWidget.h"

#include "FindDialog.h"
#include "FocusReturn.h"
#include "GoToDialog.h"
#include "MessageBoxes.h"
#include "text/MessageCatalogExtra.h"
#include "hexview/HexEditorEx.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>

#include <algorithm>
#include <array>
#include <utility>
#include <vector>

namespace {

// Keys the hex view serves itself. While it has the focus they reach it rather than the menu
// items with the same keys, so the view keeps its own rules for them.
bool isViewKey(const QKeyEvent& event)
{
    static const std::array<QKeyCombination, 6> viewKeys{Qt::CTRL | Qt::Key_Z,
        Qt::CTRL | Qt::SHIFT | Qt::Key_Z, Qt::CTRL | Qt::Key_X, Qt::CTRL | Qt::Key_C,
        Qt::CTRL | Qt::Key_V, Qt::CTRL | Qt::Key_A};
    const Qt::KeyboardModifiers modifiers = event.modifiers()
        & (Qt::ControlModifier | Qt::ShiftModifier | Qt::AltModifier | Qt::MetaModifier);
    const QKeyCombination pressed(modifiers, static_cast<Qt::Key>(event.key()));
    return std::find(viewKeys.begin(), viewKeys.end(), pressed) != viewKeys.end();
}

// Where a search from the caret starts: just after the start of the selection, so that after
// a match the next one is found, else at the caret.
qint64 searchStart(const HexEditor& view)
{
    const qint64 selected = view.SelectionLow();
    return selected >= 0 ? selected + 1 : view.GetCursorPosition();
}

}  // namespace

void TForm1::createEditCommands()
{
    EditPopupMenu = named(new QMenu(this), "EditPopupMenu");
    EditPopupMenu->addActions({Undo1, Redo1, Cut1, Copy1, Paste1, PasteHex1, SelectAll1});
    EditPopupMenu->addSeparator();
    EditPopupMenu->addActions({Find1, FindNext1, GoTo1});

    // The edit keys act on the view while it has the focus. Elsewhere they are not the window's:
    // the log pane keeps its own select all and copy. The menus show them only while they act,
    // so a key shown beside an enabled command always does what the command says.
    std::vector<std::pair<QAction*, QList<QKeySequence>>> viewKeys;
    for (QAction* action : {Undo1, Redo1, Cut1, Copy1, Paste1, PasteHex1, SelectAll1}) {
        action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
        FlashEditor->addAction(action);
        viewKeys.emplace_back(action, action->shortcuts());
    }
    auto showViewKeys = [this, viewKeys] {
        const QWidget* focus = QApplication::focusWidget();
        // The menu bar holds the focus only while the keyboard walks the menus, over the control
        // the keys go back to.
        if (qobject_cast<const QMenuBar*>(focus))
            return;
        const bool inView = focus && (focus == FlashEditor || FlashEditor->isAncestorOf(focus));
        for (const auto& [action, keys] : viewKeys)
            action->setShortcuts(inView ? keys : QList<QKeySequence>());
    };
    connect(qApp, &QApplication::focusChanged, &m_editNotifications, showViewKeys);
    showViewKeys();
    FlashEditor->installEventFilter(this);
    FlashEditor->viewport()->installEventFilter(this);

    // Whether a paste can act depends on the clipboard, which other programs change at any
    // time; it is read when it changes, not each time the commands are updated.
    QClipboard* clipboard = QApplication::clipboard();
    auto readClipboard = [this, clipboard] {
        // Any text: what is not hex bytes is refused on use, with the character that is not.
        m_clipboardHasText = !clipboard->text().trimmed().isEmpty();
        m_clipboardOffersData = FlashEditor->CanPaste();
        updateEditCommands();
    };
    connect(clipboard, &QClipboard::dataChanged, &m_editNotifications, readClipboard);
    readClipboard();
    for (QMenu* menu : {O1, Buff, O3})
        connect(menu, &QMenu::aboutToShow, this, &TForm1::updateEditCommands);
    connect(qApp, &QApplication::focusChanged, &m_editNotifications, [this] { updateEditCommands(); });
    FlashEditor->OnChange = [this] {
        updateEditCommands();
        if (CrcPanel)
            CrcPanel->imageChanged();
    };
    FlashEditor->OnSelectionChanged = [this] { updateEditCommands(); };
    // A pasted text that cannot become exactly the bytes it stands for is refused whole, naming
    // the character: Paste hex text and Text with the hex-text box take hex bytes only; Text
    // without it, characters the character column shows.
    const auto refuse = [this](ExtraText message, const QString& text, qsizetype at) {
        const bool pair = text.at(at).isHighSurrogate() && at + 1 < text.size();
        ShowError(ExtraMessages::text(message).arg(text.mid(at, pair ? 2 : 1)).arg(at + 1));
    };
    FlashEditor->OnHexTextRefused = [this, refuse](const QString& text, qsizetype badAt) {
        if (badAt < 0)
            ShowError(ExtraMessages::text(ExtraText::PasteHexEmpty));
        else
            refuse(ExtraText::PasteHexNotHex, text, badAt);
    };
    FlashEditor->OnTextRefused = [refuse](const QString& text, qsizetype unshownAt) {
        refuse(ExtraText::PasteTextNotShown, text, unshownAt);
    };
}

void TForm1::updateEditCommands()
{
    const bool hasData = FlashEditor->DataSize() > 0;
    const bool writable = !FlashEditor->ReadOnlyView();
    const bool marked = !FlashEditor->DifferenceMarks().empty();
    // What each command needs besides an idle session. The menu bar stays usable while an
    // operation runs, but the file, fill, database and chip commands would be refused then: their
    // items and keys (Ctrl+O, Ctrl+S) show it.
    const std::pair<QAction*, bool> commands[] = {
        {Undo1, FlashEditor->CanUndo()}, {Redo1, FlashEditor->CanRedo()}, {Cut1, FlashEditor->CanCut()},
        {Copy1, FlashEditor->CanCopy()}, {Paste1, writable && m_clipboardOffersData},
        {PasteHex1, writable && m_clipboardHasText}, {SelectAll1, hasData}, {Find1, hasData},
        {FindNext1, hasData && m_findDialog && m_findDialog->lastPattern()}, {GoTo1, hasData},
        {CompareChip1, true}, {CompareFile1, true}, {NextDiff1, marked}, {PrevDiff1, marked},
        {O2, true}, {S1, true}, {Fill, true}, {N3, true}, {A1, true}, {E1, true}, {W1, true}, {R1, true},
        {V1, true}, {N7, true},
    };
    const bool idle = !chipOperationRunning();
    for (const auto& [action, can] : commands)
        action->setEnabled(idle && can);
}

bool TForm1::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == FlashEditor && event->type() == QEvent::ShortcutOverride
        && isViewKey(*static_cast<QKeyEvent*>(event))) {
        event->accept();
        return true;
    }
    // The menu key reaches the view itself, not its data area: the commands act at the caret,
    // and the menu opens there. Shift+F10 is the menu key of keyboards that have none.
    const auto* key = event->type() == QEvent::KeyPress ? static_cast<QKeyEvent*>(event) : nullptr;
    const bool menuKey = (event->type() == QEvent::ContextMenu
                          && static_cast<QContextMenuEvent*>(event)->reason() != QContextMenuEvent::Mouse)
        || (key && key->key() == Qt::Key_F10 && key->modifiers() == Qt::ShiftModifier);
    if (watched == FlashEditor && menuKey) {
        const qint64 caret = FlashEditor->GetCursorPosition();
        const QRect cell = FlashEditor->CellRect(FlashEditor->Layout().nibbleColOf(caret), FlashEditor->Layout().rowOf(caret));
        QWidget* data = FlashEditor->viewport();
        updateEditCommands();
        EditPopupMenu->popup(data->mapToGlobal(cell.isNull() ? data->rect().center() : cell.bottomLeft()));
        return true;
    }
    if (watched == FlashEditor->viewport() && event->type() == QEvent::ContextMenu) {
        const auto* menuEvent = static_cast<QContextMenuEvent*>(event);
        int col = 0;
        int row = 0;
        // The gutter keeps its own menu rule (the view's OffsetPopupMenu).
        if (FlashEditor->CellAt(menuEvent->pos(), col, row) && col == 0)
            return false;
        // The commands act where the person clicked: outside the selection the caret moves to
        // the byte under the pointer and the selection goes; inside it the selection stays.
        if (menuEvent->reason() == QContextMenuEvent::Mouse) {
            FlashEditor->setFocus(Qt::MouseFocusReason);
            FlashEditor->PlaceCaretForMenu(menuEvent->pos());
        }
        updateEditCommands();
        EditPopupMenu->popup(menuEvent->globalPos());
        return true;
    }
    return QMainWindow::eventFilter(watched, event);
}

void TForm1::Undo1Click()
{
    if (!chipOperationRunning())
        FlashEditor->Undo();
}

void TForm1::Redo1Click()
{
    if (!chipOperationRunning())
        FlashEditor->Redo();
}

void TForm1::Cut1Click()
{
    if (!chipOperationRunning())
        FlashEditor->CBCut();
}

void TForm1::Copy1Click()
{
    if (!chipOperationRunning())
        FlashEditor->CBCopy();
}

void TForm1::Paste1Click()
{
    if (!chipOperationRunning())
        FlashEditor->CBPaste();
}

void TForm1::PasteHex1Click()
{
    if (!chipOperationRunning())
        FlashEditor->CBPasteHexText();
}

void TForm1::SelectAll1Click()
{
    if (!chipOperationRunning())
        FlashEditor->SelectAll();
}

bool TForm1::findAndSelect(const FindPattern& pattern, qint64 from)
{
    const qint64 found = pattern.findIn(*FlashEditor, from);
    if (found < 0)
        return false;
    // The caret goes to the first byte, which scrolls it into view, and the match is selected.
    FlashEditor->SetSelStart(found);
    FlashEditor->SetSelEnd(found + pattern.bytes.size() - 1);
    updateEditCommands();
    return true;
}

void TForm1::Find1Click()
{
    if (chipOperationRunning() || FlashEditor->DataSize() == 0)
        return;
    if (!m_findDialog) {
        m_findDialog = new FindDialog(
            [this](const FindPattern& pattern, bool fromStart) {
                return findAndSelect(pattern, fromStart ? 0 : searchStart(*FlashEditor));
            },
            this);
    }
    m_findDialog->applyLanguage();
    bool found = false;
    {
        const FocusReturn focus(this);
        found = m_findDialog->exec() == QDialog::Accepted;
    }
    // The match is selected in the view, which takes the keys next (Ctrl+C copies it).
    if (found)
        FlashEditor->setFocus(Qt::OtherFocusReason);
    updateEditCommands();
}

void TForm1::FindNext1Click()
{
    if (chipOperationRunning() || !m_findDialog || !m_findDialog->lastPattern())
        return;
    const FindPattern& pattern = *m_findDialog->lastPattern();
    if (!findAndSelect(pattern, searchStart(*FlashEditor)))
        MessageBoxes::information(this, ExtraMessages::text(ExtraText::NotFoundAfterCaret).arg(pattern.typed));
}

void TForm1::GoTo1Click()
{
    if (chipOperationRunning() || FlashEditor->DataSize() == 0)
        return;
    qint64 address = -1;
    {
        const FocusReturn focus(this);
        GoToDialog dialog(FlashEditor->DataSize(), FlashEditor->GetCursorPosition(), this);
        if (dialog.exec() == QDialog::Accepted)
            address = dialog.address();
    }
    // The caret is where the person goes on typing.
    if (address >= 0) {
        FlashEditor->SetSelStart(address);
        FlashEditor->setFocus(Qt::OtherFocusReason);
    }
}
