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

    auto* programIcon = named(new QLabel(this), "ProgramIcon");
    programIcon->setPixmap(AppIcons::icon(QStringLiteral("zorvex")).pixmap(64, 64));
    programIcon->setAlignment(Qt::AlignCenter);

    auto* productName = named(new QLabel(QStringLiteral("Product Name"), this), "ProductName");
    productName->setVisible(false);
    auto* version = named(new QLabel(QStringLiteral("Version"), this), "Version");
    version->setVisible(false);

    auto* versionLine = named(new QLabel(QStringLiteral("Zorvex Version 3.0"), this), "Copyright");
    versionLine->setAlignment(Qt::AlignCenter);
    m_comments = named(new QLabel(this), "Comments");
    m_comments->setAlignment(Qt::AlignCenter);

    auto* okButton = named(new QPushButton(QStringLiteral("OK"), this), "OKButton");
    okButton->setDefault(true);
    connect(okButton, &QPushButton::clicked, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(programIcon);
    layout->addWidget(productName);
    layout->addWidget(version);
    layout->addWidget(versionLine);
    layout->addWidget(m_comments);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(okButton);
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
