#include "HexFormatDialog.h"

#include "text/FixedTexts.h"

#include "HexClipboard.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QListWidget>
#include <QScreen>
#include <QVBoxLayout>

HexFormatDialog::HexFormatDialog(QWidget* owner, const QStringList& formats, bool hexText)
    : QDialog(owner), m_formats(formats)
{
    setWindowTitle(fixedText(FixedText::PasteFormatTitle));
    auto* layout = new QVBoxLayout(this);
    m_list = new QListWidget(this);
    m_list->setObjectName(QStringLiteral("FormatList"));
    for (const QString& f : formats)
        m_list->addItem(HexClipboard::displayName(f));
    m_hexText = new QCheckBox(fixedText(FixedText::PasteFormatHexText), this);
    m_hexText->setObjectName(QStringLiteral("HexText"));
    m_hexText->setChecked(hexText);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    layout->addWidget(m_list);
    layout->addWidget(m_hexText);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_list, &QListWidget::currentRowChanged, this, [this] { formatChanged(); });
    connect(m_list, &QListWidget::itemDoubleClicked, this, &QDialog::accept);
    m_list->setCurrentRow(0);
    formatChanged();

    // A quarter of the screen each way, centred on the owner.
    if (const QScreen* screen = owner ? owner->screen() : nullptr) {
        const QSize size = screen->availableSize() / 4;
        resize(size);
        const QPoint centre = owner->mapToGlobal(owner->rect().center());
        move(centre - QPoint(size.width() / 2, size.height() / 2));
    }
}

void HexFormatDialog::formatChanged()
{
    const int row = m_list->currentRow();
    m_hexText->setEnabled(row >= 0 && HexClipboard::isTextFormat(m_formats.value(row)));
}

bool HexFormatDialog::choose(QWidget* owner, const QStringList& formats, int& chosen, bool& hexText)
{
    HexFormatDialog dialog(owner, formats, hexText);
    if (dialog.exec() != QDialog::Accepted || dialog.m_list->currentRow() < 0)
        return false;
    chosen = dialog.m_list->currentRow();
    hexText = dialog.m_hexText->isChecked();
    return true;
}
