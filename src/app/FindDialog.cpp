#include "FindDialog.h"

#include "controls/NamedWidget.h"
#include "text/MessageCatalogExtra.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

FindDialog::FindDialog(Search search, QWidget* parent)
    : QDialog(parent)
    , m_search(std::move(search))
{
    setObjectName(QStringLiteral("FindDialog"));
    WhatLabel = named(new QLabel, "WhatLabel");
    FindEdit = named(new QLineEdit, "FindEdit");
    FindEdit->setMinimumWidth(320);
    WhatLabel->setBuddy(FindEdit);
    HexRadio = named(new QRadioButton, "HexRadio");
    TextRadio = named(new QRadioButton, "TextRadio");
    IgnoreCaseBox = named(new QCheckBox, "IgnoreCaseBox");
    FromCaretRadio = named(new QRadioButton, "FromCaretRadio");
    FromStartRadio = named(new QRadioButton, "FromStartRadio");
    MessageLabel = named(new QLabel, "MessageLabel");
    MessageLabel->setWordWrap(true);
    // Room for two lines, so that a message does not squeeze the controls above it.
    MessageLabel->setMinimumHeight(2 * MessageLabel->fontMetrics().lineSpacing());
    FindButton = named(new QPushButton, "FindButton");
    CloseButton = named(new QPushButton, "CloseButton");
    FindButton->setDefault(true);

    auto* kind = new QButtonGroup(this);
    kind->addButton(HexRadio);
    kind->addButton(TextRadio);
    auto* origin = new QButtonGroup(this);
    origin->addButton(FromCaretRadio);
    origin->addButton(FromStartRadio);
    HexRadio->setChecked(true);
    FromCaretRadio->setChecked(true);
    IgnoreCaseBox->setEnabled(false);
    // Case matters only for text.
    connect(TextRadio, &QRadioButton::toggled, IgnoreCaseBox, &QCheckBox::setEnabled);

    auto* grid = new QGridLayout;
    grid->addWidget(WhatLabel, 0, 0);
    grid->addWidget(FindEdit, 0, 1, 1, 2);
    grid->addWidget(HexRadio, 1, 1, 1, 2);
    grid->addWidget(TextRadio, 2, 1);
    grid->addWidget(IgnoreCaseBox, 2, 2);
    grid->addWidget(FromCaretRadio, 3, 1);
    grid->addWidget(FromStartRadio, 3, 2);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(FindButton);
    buttons->addWidget(CloseButton);
    auto* column = new QVBoxLayout(this);
    column->addLayout(grid);
    column->addWidget(MessageLabel);
    column->addLayout(buttons);

    connect(FindButton, &QPushButton::clicked, this, &FindDialog::FindButtonClick);
    connect(CloseButton, &QPushButton::clicked, this, &QDialog::reject);
    // A message about the input typed before would mislead once it changes.
    connect(FindEdit, &QLineEdit::textEdited, MessageLabel, &QLabel::clear);
    applyLanguage();
}

void FindDialog::applyLanguage()
{
    setWindowTitle(ExtraMessages::text(ExtraText::FindTitle));
    WhatLabel->setText(ExtraMessages::text(ExtraText::FindWhat));
    HexRadio->setText(ExtraMessages::text(ExtraText::FindHexBytes));
    TextRadio->setText(ExtraMessages::text(ExtraText::FindText));
    IgnoreCaseBox->setText(ExtraMessages::text(ExtraText::FindIgnoreCase));
    FromCaretRadio->setText(ExtraMessages::text(ExtraText::FindFromCaret));
    FromStartRadio->setText(ExtraMessages::text(ExtraText::FindFromStart));
    FindButton->setText(ExtraMessages::text(ExtraText::FindButton));
    CloseButton->setText(ExtraMessages::text(ExtraText::CloseButton));
}

void FindDialog::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    MessageLabel->clear();
    FindEdit->selectAll();
    FindEdit->setFocus();
}

void FindDialog::FindButtonClick()
{
    const ParsedFindPattern parsed = TextRadio->isChecked()
        ? FindPattern::fromText(FindEdit->text(), IgnoreCaseBox->isChecked())
        : FindPattern::fromHex(FindEdit->text());
    if (!parsed.pattern) {
        MessageLabel->setText(parsed.error);
        return;
    }
    m_last = parsed.pattern;
    const bool fromStart = FromStartRadio->isChecked();
    if (m_search(*m_last, fromStart)) {
        // The next Find goes on after this match rather than finding it again.
        FromCaretRadio->setChecked(true);
        accept();
        return;
    }
    const ExtraText notFound = fromStart ? ExtraText::NotFoundInImage : ExtraText::NotFoundAfterCaret;
    MessageLabel->setText(ExtraMessages::text(notFound).arg(m_last->typed));
}
