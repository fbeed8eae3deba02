#include "buffer/TForm4.h"

#include "text/FixedTexts.h"

#include "text/MessageCatalogExtra.h"
#include "text/HexDigit.h"
#include "controls/NamedWidget.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QValidator>
#include <QVBoxLayout>

#include <algorithm>

namespace {

// Typed characters other than hexadecimal digits are discarded; keys that type nothing
// (cursor movement, Delete, shortcuts, Enter for the default button) pass. Pasted text does not
// arrive as key presses and is not filtered: the conversion on OK catches what is not a number.
class HexKeyFilter : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::KeyPress)
            return QObject::eventFilter(watched, event);
        const QString typed = static_cast<QKeyEvent*>(event)->text();
        if (typed.isEmpty() || typed.front().unicode() < 0x20 || typed.front().unicode() == 0x7F)
            return false;
        return std::ranges::any_of(typed, [](QChar c) { return hexDigitValue(c) < 0; });
    }
};

// Shows and keeps the field's letters in upper case, whether typed or pasted. It never rejects
// anything, but drops the control characters a pasted text brings (the line end of an address
// copied from a terminal or a listing): the field would show them as blanks, and the number
// would be refused for a character nobody sees. No key types one.
class UpperCaseValidator : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString& input, int& position) const override
    {
        const auto isControl = [](QChar c) { return c.category() == QChar::Other_Control; };
        const qsizetype caret = std::clamp<qsizetype>(position, 0, input.size());
        position -= static_cast<int>(std::count_if(input.cbegin(), input.cbegin() + caret, isControl));
        input.removeIf(isControl);
        input = input.toUpper();
        return Acceptable;
    }
};

}  // namespace

TForm4::TForm4(QWidget* parent)
    : QDialog(parent)
    , m_reportError([this](const QString& message) {
        QMessageBox::critical(this, fixedText(FixedText::ErrorTitle), message);
    })
{
    setObjectName(QStringLiteral("TForm4"));
    buildControls();
}

void TForm4::buildControls()
{
    auto* hexKeys = new HexKeyFilter(this);
    auto* upperCase = new UpperCaseValidator(this);
    auto makeField = [&](const char* name, const QString& text, int maxLength) {
        auto* edit = named(new QLineEdit(text, this), name);
        if (maxLength > 0)
            edit->setMaxLength(maxLength);
        edit->installEventFilter(hexKeys);
        edit->setValidator(upperCase);
        return edit;
    };

    auto* groupData = named(new QGroupBox(this), "GroupBox1");
    m_byteMode = named(new QRadioButton(this), "RadioButton1");
    m_byteMode->setChecked(true);
    m_wordMode = named(new QRadioButton(this), "RadioButton2");
    auto* randomMode = named(new QRadioButton(this), "RadioButton3");
    m_byteValue = makeField("Edit1", QStringLiteral("FF"), 2);
    m_wordValue = makeField("Edit2", QStringLiteral("FFFF"), 4);
    auto* dataLayout = new QGridLayout(groupData);
    dataLayout->addWidget(m_byteMode, 0, 0);
    dataLayout->addWidget(m_byteValue, 0, 1);
    dataLayout->addWidget(m_wordMode, 1, 0);
    dataLayout->addWidget(m_wordValue, 1, 1);
    dataLayout->addWidget(randomMode, 2, 0);

    auto* groupRange = named(new QGroupBox(this), "GroupBox2");
    auto* startLabel = named(new QLabel(this), "Label1");
    auto* endLabel = named(new QLabel(this), "Label2");
    m_start = makeField("Edit3", QStringLiteral("00000"), 0);
    m_end = makeField("Edit4", QStringLiteral("FFFF"), 0);
    auto* rangeLayout = new QGridLayout(groupRange);
    rangeLayout->addWidget(startLabel, 0, 0);
    rangeLayout->addWidget(m_start, 0, 1);
    rangeLayout->addWidget(endLabel, 1, 0);
    rangeLayout->addWidget(m_end, 1, 1);
    rangeLayout->setRowStretch(2, 1);

    auto* ok = named(new QPushButton(this), "BitBtn1");
    ok->setDefault(true);
    auto* cancel = named(new QPushButton(this), "BitBtn2");

    auto* groups = new QHBoxLayout;
    groups->addWidget(groupData);
    groups->addWidget(groupRange);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(groups);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(ok, &QPushButton::clicked, this, [this] {
        if (FillBuffer())
            accept();
    });
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

void TForm4::offerEndFor(quint32 flashSize)
{
    m_end->setText(QString::number(flashSize - 1u, 16).toUpper());
}

bool TForm4::FillBuffer()
{
    // All four fields are read whatever the mode, in the order of the form: bare hex digits,
    // as "0x" + text would read.
    FillRequest request;
    qint32* targets[] = {&request.byteValue, &request.wordValue, &request.start, &request.end};
    const QLineEdit* fields[] = {m_byteValue, m_wordValue, m_start, m_end};
    for (int i = 0; i < 4; ++i) {
        const std::optional<qint32> value = hexNumber32(fields[i]->text());
        if (!value) {
            m_reportError(fixedText(FixedText::NotValidInteger).arg(QStringLiteral("0x") + fields[i]->text()));
            return false;
        }
        *targets[i] = *value;
    }
    if (!isFillRangeValid(request.start, request.end, m_buffer.size())) {
        m_reportError(ExtraMessages::text(ExtraText::FillRangeInvalid)
                          .arg(QString::number(static_cast<qulonglong>(m_buffer.size()) - 1, 16).toUpper()));
        return false;
    }

    request.mode = m_byteMode->isChecked()   ? FillMode::Byte
                   : m_wordMode->isChecked() ? FillMode::Word
                                             : FillMode::Random;
    const auto seed = static_cast<std::uint32_t>(m_clock());
    emit aboutToFill();
    if (!::FillBuffer(m_buffer, request, seed))
        return false;
    emit bufferFilled(request.end + 1);
    return true;
}
