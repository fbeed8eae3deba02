#include "GoToDialog.h"

#include "controls/NamedWidget.h"
#include "text/HexDigit.h"
#include "text/MessageCatalogExtra.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

namespace {

QString hex(qint64 value)
{
    return QString::number(value, 16).toUpper();
}

}  // namespace

GoToDialog::GoToDialog(qint64 size, qint64 caret, QWidget* parent)
    : QDialog(parent)
    , m_size(size)
{
    setObjectName(QStringLiteral("GoToDialog"));
    setWindowTitle(ExtraMessages::text(ExtraText::GoToTitle));
    AddressLabel = named(new QLabel(ExtraMessages::text(ExtraText::GoToAddress)), "AddressLabel");
    AddressEdit = named(new QLineEdit(hex(caret)), "AddressEdit");
    AddressEdit->selectAll();
    AddressLabel->setBuddy(AddressEdit);
    MessageLabel = named(new QLabel, "MessageLabel");
    MessageLabel->setWordWrap(true);
    // Room for two lines, so that a message does not squeeze the controls above it.
    MessageLabel->setMinimumHeight(2 * MessageLabel->fontMetrics().lineSpacing());
    GoToButton = named(new QPushButton(ExtraMessages::text(ExtraText::GoToButton)), "GoToButton");
    CancelButton = named(new QPushButton(ExtraMessages::text(ExtraText::CancelButton)), "CancelButton");
    GoToButton->setDefault(true);

    auto* row = new QHBoxLayout;
    row->addWidget(AddressLabel);
    row->addWidget(AddressEdit, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(GoToButton);
    buttons->addWidget(CancelButton);
    auto* column = new QVBoxLayout(this);
    column->addLayout(row);
    column->addWidget(MessageLabel);
    column->addLayout(buttons);
    setMinimumWidth(440);

    connect(GoToButton, &QPushButton::clicked, this, &GoToDialog::GoToButtonClick);
    connect(CancelButton, &QPushButton::clicked, this, &QDialog::reject);
    connect(AddressEdit, &QLineEdit::textEdited, MessageLabel, &QLabel::clear);
}

GoToDialog::Checked GoToDialog::check(const QString& text, qint64 size)
{
    QString digits = text.trimmed();
    if (digits.isEmpty())
        return {-1, ExtraMessages::text(ExtraText::GoToEmpty)};
    if (digits.startsWith(u"0x", Qt::CaseInsensitive))
        digits = digits.mid(2);
    else if (digits.endsWith(u'h', Qt::CaseInsensitive))
        digits.chop(1);
    const bool allHex = !digits.isEmpty()
        && std::all_of(digits.cbegin(), digits.cend(), [](QChar c) { return hexDigitValue(c) >= 0; });
    if (!allHex)
        return {-1, ExtraMessages::text(ExtraText::GoToBadHex).arg(text.trimmed())};
    // Leading zeros aside, more than 15 digits lies past any buffer (and past qint64).
    qsizetype first = 0;
    while (first < digits.size() - 1 && digits[first] == u'0')
        ++first;
    const QString significant = digits.mid(first).toUpper();
    bool ok = significant.size() <= 15;
    const qint64 address = ok ? significant.toLongLong(&ok, 16) : -1;
    if (!ok || address >= size)
        return {-1, ExtraMessages::text(ExtraText::GoToOutside).arg(significant, hex(size - 1))};
    return {address, {}};
}

void GoToDialog::GoToButtonClick()
{
    const Checked checked = check(AddressEdit->text(), m_size);
    if (checked.address < 0) {
        MessageLabel->setText(checked.error);
        return;
    }
    m_address = checked.address;
    accept();
}
