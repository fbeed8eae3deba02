#include "TAboutBox.h"

#include "AppIcons.h"
#include "controls/NamedWidget.h"
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

    m_programIcon = named(new QLabel(this), "ProgramIcon");
    m_programIcon->setPixmap(AppIcons::icon(QStringLiteral("zorvex")).pixmap(64, 64));
    m_programIcon->setAlignment(Qt::AlignCenter);

    m_productName = named(new QLabel(QStringLiteral("Product Name"), this), "ProductName");
    m_productName->setVisible(false);
    m_version = named(new QLabel(QStringLiteral("Version"), this), "Version");
    m_version->setVisible(false);

    m_versionLine = named(new QLabel(QStringLiteral("Zorvex Version 3.0"), this), "Copyright");
    m_versionLine->setAlignment(Qt::AlignCenter);
    m_comments = named(new QLabel(this), "Comments");
    m_comments->setAlignment(Qt::AlignCenter);

    m_okButton = named(new QPushButton(QStringLiteral("OK"), this), "OKButton");
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
