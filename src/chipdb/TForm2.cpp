#include "chipdb/TForm2.h"

#include "text/FixedTexts.h"
#include "text/Language.h"

#include "text/MessageCatalogExtra.h"
#include "chipdb/ChipCodes.h"
#include "chipdb/ChipDatabaseFile.h"
#include "controls/NamedWidget.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QFontMetrics>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QShortcut>
#include <QStyle>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <memory>

namespace {

constexpr int DialogWidth = 880;
constexpr int DialogHeight = 442;
constexpr int GridHeight = 240;
constexpr int GroupHeight = 128;

}  // namespace

TForm2::TForm2(ChipDatabase& database, QWidget* parent)
    : QDialog(parent)
    , m_database(database)
    , m_path(chipDatabasePath())
    , m_reportError([this](const QString& message) {
        QMessageBox::critical(this, fixedText(FixedText::ErrorTitle), message);
    })
    , m_ask([this](const QString& question) {
        return QMessageBox::question(this, fixedText(FixedText::QuestionTitle), question) == QMessageBox::Yes;
    })
{
    setObjectName(QStringLiteral("TForm2"));
    buildControls();
}

void TForm2::buildControls()
{
    setFixedSize(DialogWidth, DialogHeight);

    m_grid = named(new QTableWidget(this), "StringGrid1");
    m_grid->setFixedHeight(GridHeight);
    m_grid->setColumnCount(ChipGridColumns);
    m_grid->verticalHeader()->hide();
    m_grid->verticalHeader()->setDefaultSectionSize(20);
    m_grid->setSelectionMode(QAbstractItemView::SingleSelection);
    // A double click loads the row into the fields; editing in place starts by typing, F2 or
    // a click on the current cell.
    m_grid->setEditTriggers(QAbstractItemView::SelectedClicked | QAbstractItemView::EditKeyPressed
                            | QAbstractItemView::AnyKeyPressed);
    // The arrow keys move between cells; Tab goes on to the fields and buttons, which a person
    // on the keyboard alone could otherwise reach only past every cell.
    m_grid->setTabKeyNavigation(false);
    connect(m_grid, &QTableWidget::currentCellChanged, this, [this](int row) {
        if (row >= 0)
            m_selectedRow = row + 1;
    });
    connect(m_grid, &QTableWidget::cellDoubleClicked, this, [this] { loadSelectedRow(); });
    // Ctrl+V on a cell that is not being edited replaces its text, as Ctrl+C copies it; the cell
    // editor keeps its own paste.
    new QShortcut(QKeySequence::Paste, m_grid, this, &TForm2::pasteIntoCurrentCell, Qt::WidgetShortcut);

    auto* group = named(new QGroupBox(this), "GroupBox1");
    group->setFixedHeight(GroupHeight);
    auto* fieldsLayout = new QGridLayout(group);
    fieldsLayout->setContentsMargins(8, 4, 8, 4);
    fieldsLayout->setVerticalSpacing(2);

    // A field and its label, side by side at row and column of the grid.
    auto place = [&](int labelNumber, auto* field, int row, int column) {
        auto* label = new QLabel(group);
        label->setObjectName(QStringLiteral("Label%1").arg(labelNumber));
        label->setBuddy(field);
        fieldsLayout->addWidget(label, row, 2 * column);
        fieldsLayout->addWidget(field, row, 2 * column + 1);
        return field;
    };
    auto makeList = [&](int number, bool editable, const QStringList& items) {
        auto* list = new QComboBox(group);
        list->setObjectName(QStringLiteral("ComboBox%1").arg(number));
        list->setEditable(editable);
        // Texts are stored as typed: no completion from the list, and Enter neither adds the
        // text to the list nor swaps it for an item that differs only in letter case.
        if (editable) {
            list->setCompleter(nullptr);
            list->setInsertPolicy(QComboBox::NoInsert);
        }
        list->addItems(items);
        return list;
    };

    m_type = place(1, makeList(1, true, {}), 0, 0);
    m_manufacturer = place(2, makeList(2, true, {}), 1, 0);
    m_model = place(3, makeList(3, true, {}), 2, 0);
    m_delay = place(4, named(new QLineEdit(QStringLiteral("100"), group), "Edit1"), 3, 0);
    m_family = place(5, makeList(4, false, chipFamilyLabels()), 0, 1);
    m_flashSize = place(6, makeList(5, false, flashSizeItems()), 1, 1);
    m_flashPage = place(7, makeList(6, false, pageSizeItems()), 2, 1);
    m_voltage = place(8, makeList(7, false, voltageItems()), 0, 2);
    m_subType = place(9, makeList(8, false, chipSubTypeLabels(Family25Flash)), 1, 2);
    m_family->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    m_subType->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    m_chipId = place(10, makeList(9, true, {}), 2, 2);
    m_chipId->setEditText(QStringLiteral("0"));
    m_eepromSize = place(11, makeList(10, false, eepromSizeItems()), 0, 3);
    m_eepromSize->setCurrentIndex(1);  // "2B"
    m_eepromPage = place(12, makeList(11, false, pageSizeItems()), 1, 3);
    m_eepromPage->setCurrentIndex(2);  // "4"
    m_link = place(13, makeList(12, true, {}), 2, 3);
    m_link->setEditText(QString());
    for (int column = 1; column < 8; column += 2)
        fieldsLayout->setColumnStretch(column, 1);

    connect(m_family, &QComboBox::currentIndexChanged, this, &TForm2::familyChanged);

    auto* buttons = new QHBoxLayout;
    auto addButton = [&](const char* name, auto action) {
        auto* button = new QPushButton(this);
        button->setObjectName(QLatin1String(name));
        button->setAutoDefault(false);
        connect(button, &QPushButton::clicked, this, action);
        buttons->addWidget(button);
    };
    buttons->addStretch(1);
    addButton("BtnDelete", &TForm2::deleteRow);
    addButton("BtnAdd", &TForm2::addRow);
    addButton("BtnEdit", &TForm2::editRow);
    addButton("BtnSave", [this] { (void)SaveChipDatabase(); });
    addButton("BtnExit", &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 6);
    layout->addWidget(m_grid);
    layout->addWidget(group);
    layout->addStretch(1);
    layout->addLayout(buttons);
}

void TForm2::showEvent(QShowEvent* event)
{
    reloadFromFile();
    QDialog::showEvent(event);
}

void TForm2::showCell(int row, int column)
{
    // The message names a cell's text, not where it is: among hundreds of rows, or for an empty
    // cell, the person finds it by the cursor standing on it.
    m_grid->setCurrentCell(row, column);
    m_grid->scrollTo(m_grid->model()->index(row, column));
}

void TForm2::reject()
{
    // A cell still being typed in counts as changed: its text goes into the grid first (the cell
    // editor hands its text over when it loses the focus). Escape never gets here from a cell
    // editor, which takes that key to cancel the typing.
    if (QWidget* focused = QApplication::focusWidget(); focused && m_grid->viewport()->isAncestorOf(focused))
        focused->clearFocus();
    if (hasUnsavedRows() && !m_ask(ExtraMessages::text(ExtraText::EditorDiscardChanges)))
        return;
    QDialog::reject();
}

void TForm2::reloadFromFile()
{
    // A damaged file is reported; the editor then shows what the table holds. Another window
    // may have saved the file since the table was read: then the main window chooses again.
    const auto before = std::make_unique<ChipDatabase>(m_database);
    (void)LoadChipDatabase(m_database, m_path, m_reportError);
    m_fileAsRead = readChipDatabaseFile(m_path);

    setGridHeaders();
    m_grid->setRowCount(0);
    m_type->clear();
    m_manufacturer->clear();
    m_model->clear();

    // Each list chooses its first item as it gets it.
    const auto addDistinct = [](QComboBox* list, const QString& text) {
        if (list->findText(text, Qt::MatchFixedString) < 0)  // ignores letter case
            list->addItem(text);
    };
    const std::span<const ChipRecord> chips = m_database.chips();
    m_grid->setRowCount(static_cast<int>(chips.size()));
    for (std::size_t slot = 0; slot < chips.size(); ++slot) {
        const ChipGridRow row = rowFromRecord(chips[slot]);
        writeRow(static_cast<int>(slot) + 1, row);
        addDistinct(m_type, row[0]);
        if (!row[1].isEmpty())
            addDistinct(m_manufacturer, row[1]);
        addDistinct(m_model, row[2]);
    }
    m_savedRows = gridRows();
    if (!std::ranges::equal(before->table(), m_database.table()))
        emit chipTableChanged();
}

void TForm2::writeRow(int gridRow, const ChipGridRow& row)
{
    for (int c = 0; c < ChipGridColumns; ++c) {
        auto* item = new QTableWidgetItem(row[static_cast<std::size_t>(c)]);
        if (c == 0) {
            // The first column is the grid's fixed column: drawn like a header, not editable.
            item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
            item->setBackground(palette().button());
            item->setForeground(palette().buttonText());
        }
        m_grid->setItem(gridRow - 1, c, item);
    }
}

ChipGridRow TForm2::rowAt(int gridRow) const
{
    ChipGridRow row;
    for (int c = 0; c < ChipGridColumns; ++c)
        if (const QTableWidgetItem* item = m_grid->item(gridRow - 1, c))
            row[static_cast<std::size_t>(c)] = item->text();
    return row;
}

std::vector<ChipGridRow> TForm2::gridRows() const
{
    std::vector<ChipGridRow> rows;
    rows.reserve(static_cast<std::size_t>(m_grid->rowCount()));
    for (int r = 1; r <= m_grid->rowCount(); ++r)
        rows.push_back(rowAt(r));
    return rows;
}

ChipEditorFields TForm2::fields() const
{
    return {.type = m_type->currentText(),
            .manufacturer = m_manufacturer->currentText(),
            .model = m_model->currentText(),
            .chipId = m_chipId->currentText(),
            .delay = m_delay->text(),
            .link = m_link->currentText(),
            .family = m_family->currentIndex(),
            .flashSize = m_flashSize->currentIndex(),
            .flashPage = m_flashPage->currentIndex(),
            .voltage = m_voltage->currentIndex(),
            .subType = m_subType->currentIndex(),
            .eepromSize = m_eepromSize->currentIndex(),
            .eepromPage = m_eepromPage->currentIndex()};
}

void TForm2::setFields(const ChipEditorFields& f)
{
    // A position outside its list (-1 included) leaves that list with nothing chosen.
    m_type->setEditText(f.type);
    m_manufacturer->setEditText(f.manufacturer);
    m_model->setEditText(f.model);
    m_chipId->setEditText(f.chipId);
    m_flashSize->setCurrentIndex(f.flashSize);
    m_flashPage->setCurrentIndex(f.flashPage);
    {
        const QSignalBlocker blocker(m_family);
        m_family->setCurrentIndex(f.family);
    }
    familyChanged(m_family->currentIndex());
    m_subType->setCurrentIndex(f.subType);
    m_delay->setText(f.delay);
    m_voltage->setCurrentIndex(f.voltage);
    m_eepromSize->setCurrentIndex(f.eepromSize);
    m_eepromPage->setCurrentIndex(f.eepromPage);
    m_link->setEditText(f.link);
}

void TForm2::applyLanguage()
{
    const auto relabel = [](QComboBox* list, const QStringList& labels) {
        for (int i = 0; i < list->count() && i < labels.size(); ++i)
            list->setItemText(i, labels[i]);
    };
    relabel(m_family, chipFamilyLabels());
    relabel(m_subType, chipSubTypeLabels(m_family->currentIndex()));
    fitListsToTheirTexts();
    setGridHeaders();
}

void TForm2::fitListsToTheirTexts()
{
    // The family and algorithm texts change with the language and the family; their columns
    // take the room from the others that the longest of them needs.
    for (QComboBox* list : {m_family, m_subType})
        list->setMinimumWidth(list->sizeHint().width());
}

void TForm2::setGridHeaders()
{
    const QStringList headers = chipGridHeaders();
    m_grid->setHorizontalHeaderLabels(headers);
    // Each column as designed; an added language's header gets the width it needs where that is more.
    const QFontMetrics metrics(m_grid->horizontalHeader()->font());
    const int margin = 2 * m_grid->style()->pixelMetric(QStyle::PM_HeaderMargin) + 2;
    const auto widths = chipGridColumnWidths();
    for (int c = 0; c < ChipGridColumns; ++c) {
        const int needed = isTranslatedLanguage(currentLanguage()) ? metrics.horizontalAdvance(headers.value(c)) + margin : 0;
        m_grid->setColumnWidth(c, std::max(widths[static_cast<std::size_t>(c)], needed));
    }
}

void TForm2::familyChanged(int family)
{
    // A list that was empty chooses its first item as it gets one.
    m_subType->clear();
    m_subType->addItems(chipSubTypeLabels(family));
    fitListsToTheirTexts();
}

void TForm2::pasteIntoCurrentCell()
{
    QTableWidgetItem* item = m_grid->currentItem();
    if (!item || !(item->flags() & Qt::ItemIsEditable))
        return;
    // A spreadsheet cell or a terminal line is copied with its line end, which no cell holds.
    static const QRegularExpression lineEnds(QStringLiteral("[\\r\\n]+$"));
    item->setText(QApplication::clipboard()->text().remove(lineEnds));
}

void TForm2::loadSelectedRow()
{
    if (m_selectedRow <= 0 || m_selectedRow > m_grid->rowCount())
        return;
    // Every cell is checked before any field changes, so a bad cell leaves the fields as they were.
    const RowDecodeResult decoded = decodeRow(rowAt(m_selectedRow));
    if (!decoded.fields) {
        showCell(m_selectedRow - 1, decoded.badColumn);
        m_reportError(notAnIntegerMessage(decoded.badText));
        return;
    }
    setFields(*decoded.fields);
}

bool TForm2::encodableFields(ChipGridRow& row, int gridRow)
{
    const ChipEditorFields f = fields();
    if (!f.allListsChosen()) {
        m_reportError(ExtraMessages::text(ExtraText::EditorListNotChosen));
        return false;
    }
    const ChipGridRow encoded = encodeRow(f);
    if (const std::optional<CellProblem> beyond = valueBeyondItsField(encoded, gridRow)) {
        m_reportError(beyond->message);
        return false;
    }
    row = encoded;
    return true;
}

void TForm2::addRow()
{
    const int gridRow = m_grid->rowCount() + 1;
    ChipGridRow row;
    if (!encodableFields(row, gridRow))
        return;
    m_grid->setRowCount(gridRow);
    writeRow(gridRow, row);
    m_grid->setCurrentCell(gridRow - 1, std::max(m_grid->currentColumn(), 0));
}

void TForm2::editRow()
{
    if (m_selectedRow <= 0 || m_selectedRow > m_grid->rowCount())
        return;
    ChipGridRow row;
    if (!encodableFields(row, m_selectedRow))
        return;
    writeRow(m_selectedRow, row);
}

void TForm2::deleteRow()
{
    const int current = m_grid->currentRow();
    if (m_grid->rowCount() > 0 && current >= 0)
        m_grid->removeRow(current);
}

bool TForm2::SaveChipDatabase()
{
    const std::vector<ChipGridRow> rows = gridRows();
    const int count = static_cast<int>(rows.size());
    if (count > MaxEditorChips) {
        m_reportError(ExtraMessages::text(ExtraText::EditorTooManyRows).arg(MaxEditorChips).arg(count));
        return false;
    }
    RowsToRecordsResult converted = recordsFromRows(rows);
    if (!converted.error.isEmpty()) {
        showCell(converted.badRow, converted.badColumn);
        m_reportError(converted.error);
        return false;
    }
    // Another window may have saved the file since the editor read it: its chips are not written
    // over unasked. A file that is gone or cannot be read holds nothing to keep.
    if (const std::optional<QByteArray> now = readChipDatabaseFile(m_path); now && now != m_fileAsRead
        && !m_ask(ExtraMessages::text(ExtraText::EditorFileChanged).arg(QDir::toNativeSeparators(m_path))))
        return false;
    // The table and the file change together or not at all: after a failed write the main
    // window's chip slot must still hold the chip it chose.
    const auto before = std::make_unique<ChipDatabase>(m_database);
    for (int slot = 0; slot < count; ++slot)
        m_database[slot] = converted.records[static_cast<std::size_t>(slot)];
    if (!WriteChipDatabaseFile(m_database, count, m_path, m_reportError)) {
        m_database = *before;
        return false;
    }
    m_savedRows = rows;
    m_fileAsRead = chipDatabaseBytes(m_database, count);
    emit chipTableChanged();
    return true;
}
