#include "TAboutBox.h"

#include "AppIcons.h"
#include "text/FixedTexts.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

TAboutBox::TAboutBox(QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("AboutBox"));
    setModal(true);

    m_programIcon = new QLabel(this);
    m_programIcon->setObjectName(QStringLiteral("ProgramIcon"));
    m_programIcon->setPixmap(AppIcons::icon(QStringLiteral("zorvex")).pixmap(64, 64));
    m_programIcon->setAlignment(Qt::AlignCenter);

    m_productName = new QLabel(QStringLiteral("Product Name"), this);
    m_productName->setObjectName(QStringLiteral("ProductName"));
    m_productName->setVisible(false);
    m_version = new QLabel(QStringLiteral("Version"), this);
    m_version->setObjectName(QStringLiteral("Version"));
    m_version->setVisible(false);

    m_versionLine = new QLabel(QStringLiteral("Zorvex Version 3.0"), this);
    m_versionLine->setObjectName(QStringLiteral("Copyright"));
    m_versionLine->setAlignment(Qt::AlignCenter);
    m_comments = new QLabel(this);
    m_comments->setObjectName(QStringLiteral("Comments"));
    m_comments->setAlignment(Qt::AlignCenter);

    m_okButton = new QPushButton(QStringLiteral("OK"), this);
    m_okButton->setObjectName(QStringLiteral("OKButton"));
    m_okButton->setDefault(true);
    connect(m_okButton, &QPushButton::clicked, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_programIcon);
    layout->addWidget(m_productName);
    layout->addWidget(m_version);
    layout->addWidget(m_versionLine);
    layout->addWidget(m_comments);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_okButton);
    buttons->addStretch();
    layout->addLayout(buttons);
    applyLanguage();
}

void TAboutBox::applyLanguage()
{
    setWindowTitle(fixedText(FixedText::AboutTitle));
    m_comments->setText(fixedText(FixedText::AboutComment));
    setFixedSize(QSize(0, 0).expandedTo(layout()->sizeHint()).expandedTo(QSize(300, 200)));
}
