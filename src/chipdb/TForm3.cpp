#include "TForm3.h"

#include "text/Captions.h"
#include "chipdb/ChipDatabase.h"
#include "chipdb/ChipName.h"
#include "controls/NamedWidget.h"

#include <QComboBox>
#include <QFontMetrics>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <algorithm>

TForm3::TForm3(const ChipDatabase& database, ChooseChip choose, QWidget* parent)
    : QDialog(parent)
    , m_database(database)
    , m_choose(std::move(choose))
{
    setObjectName(QStringLiteral("TForm3"));
    setModal(true);
    setFixedSize(404, 320);

    Label1 = named(new QLabel(this), "Label1");
    ComboBox1 = named(new QComboBox(this), "ComboBox1");
    ComboBox1->setEditable(true);
    ComboBox1->setInsertPolicy(QComboBox::NoInsert);
    ListView1 = named(new QTreeWidget(this), "ListView1");
    ListView1->setRootIsDecorated(false);
    ListView1->setSelectionBehavior(QAbstractItemView::SelectRows);
    ListView1->setSelectionMode(QAbstractItemView::SingleSelection);
    ListView1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    ListView1->setUniformRowHeights(true);
    ListView1->header()->setStretchLastSection(false);
    // The slot column is one pixel wide: it carries the slot, it is not for reading.
    ListView1->header()->setMinimumSectionSize(1);
    BitBtn1 = named(new QPushButton(this), "BitBtn1");
    BitBtn1->setEnabled(false);
    BitBtn2 = named(new QPushButton(this), "BitBtn2");

    auto* filter = new QHBoxLayout;
    filter->addWidget(Label1);
    filter->addWidget(ComboBox1, 1);
    auto* buttons = new QVBoxLayout;
    buttons->addWidget(BitBtn1);
    buttons->addWidget(BitBtn2);
    buttons->addStretch(1);
    auto* body = new QHBoxLayout;
    body->addWidget(ListView1, 1);
    body->addLayout(buttons);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(filter);
    layout->addLayout(body, 1);

    connect(ComboBox1, &QComboBox::editTextChanged, this, &TForm3::ComboBox1Change);
    connect(ListView1, &QTreeWidget::itemSelectionChanged, this, &TForm3::ListView1SelectItem);
    connect(ListView1, &QTreeWidget::itemDoubleClicked, this, &TForm3::BitBtn1Click);
    connect(BitBtn1, &QPushButton::clicked, this, &TForm3::BitBtn1Click);
    connect(BitBtn2, &QPushButton::clicked, this, &TForm3::BitBtn2Click);
    resetColumns();
}

void TForm3::showEvent(QShowEvent* event)
{
    if (parentWidget()) {
        const QRect owner = parentWidget()->window()->frameGeometry();
        move(owner.center() - QPoint(width() / 2, height() / 2));
    }
    QDialog::showEvent(event);
    FormShow();
}

void TForm3::resetColumns()
{
    ListView1->clear();
    ListView1->setColumnCount(4);
    const Language language = currentLanguage();
    QStringList titles;
    for (const CaptionEntry& entry : captionsFor(u"TForm3.ListView1").entries) {
        const QString text = entry.text(language);
        titles << (text.isNull() ? entry.designedText() : text);
    }
    ListView1->setHeaderLabels(titles);
    // Each column as designed; an added language's title gets the width it needs where that is
    // more. The slot column stays collapsed.
    const int widths[] = {80, 80, 100, 1};
    const QFontMetrics metrics(ListView1->header()->font());
    for (int column = 0; column < 4; ++column) {
        const bool widen = column < 3 && isTranslatedLanguage(language);
        const int needed = widen ? metrics.horizontalAdvance(titles[column]) + 12 : 0;
        ListView1->setColumnWidth(column, std::max(widths[column], needed));
    }
}

void TForm3::addRow(int slot)
{
    // The parts as the list rule splits them, untrimmed, and the slot the row stands for.
    const QStringList parts = SplitChipName(m_database[slot].nameText());
    new QTreeWidgetItem(ListView1, {parts.value(0), parts.value(1), parts.value(2), QString::number(slot)});
}

void TForm3::FormShow()
{
    resetColumns();
    for (int slot = 0; slot < m_database.count(); ++slot)
        addRow(slot);
}

void TForm3::ComboBox1Change()
{
    resetColumns();
    const QString filter = trimChipText(ComboBox1->currentText());
    // An empty filter matches nothing, so clearing the field empties the list.
    if (filter.isEmpty())
        return;
    for (int slot = 0; slot < m_database.count(); ++slot) {
        if (m_database[slot].nameText().contains(filter, Qt::CaseSensitive))
            addRow(slot);
    }
}

void TForm3::ListView1SelectItem()
{
    BitBtn1->setEnabled(!ListView1->selectedItems().isEmpty());
}

void TForm3::BitBtn1Click()
{
    const QList<QTreeWidgetItem*> selected = ListView1->selectedItems();
    if (selected.isEmpty())
        return;
    const QTreeWidgetItem* row = selected.first();
    m_choose(row->text(0), row->text(1), row->text(2));
    accept();
}

void TForm3::BitBtn2Click()
{
    reject();
}
