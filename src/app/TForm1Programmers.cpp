// The Operation menu's Programmer submenu: which of several attached programmers the window
// works with. "Automatic" takes the first one found; a chosen one is kept in the settings
// ([DEVICE] PROGRAMMER, its serial or BUS:DEVICE) and is the only one every operation and
// every connection check opens.
#include "TForm1.h"

#include "text/MessageCatalogExtra.h"
#include "usb/UsbBulk.h"

#include <QActionGroup>
#include <QMenu>

void TForm1::applyProgrammerChoice(const QString& selector)
{
    m_programmerChoice = selector.trimmed();
    usb().setSelector(m_programmerChoice.isEmpty() ? std::nullopt
                                                   : std::optional(ProgrammerSelector(m_programmerChoice.toStdString())));
}

void TForm1::chooseProgrammer(const QString& selector)
{
    if (chipOperationRunning())
        return;
    applyProgrammerChoice(selector);
    ProbeProgrammer();
}

void TForm1::refreshProgrammerMenu()
{
    // Listing opens every programmer; not while an operation works with one of them.
    if (!chipOperationRunning())
        m_programmers = usb().listProgrammers();
    buildProgrammerMenu();
}

void TForm1::buildProgrammerMenu()
{
    ProgrammerMenu->setTitle(ExtraMessages::text(ExtraText::ProgrammerMenu));
    ProgrammerMenu->clear();
    auto* group = new QActionGroup(ProgrammerMenu);
    const auto add = [&](const QString& text, const QString& selector, bool chosen) {
        QAction* action = ProgrammerMenu->addAction(text);
        action->setCheckable(true);
        action->setChecked(chosen);
        action->setActionGroup(group);
        connect(action, &QAction::triggered, this, [this, selector] { chooseProgrammer(selector); });
        return action;
    };
    add(ExtraMessages::text(ExtraText::ProgrammerAutomatic), QString(), m_programmerChoice.isEmpty());
    ProgrammerMenu->addSeparator();
    const ProgrammerSelector chosen(m_programmerChoice.toStdString());
    const ProgrammerIdentity* picked = m_programmerChoice.isEmpty() ? nullptr : chosen.pick(m_programmers);
    for (const ProgrammerIdentity& programmer : m_programmers) {
        add(QString::fromStdString(programmer.serial + "  " + programmer.location()),
            QString::fromStdString(programmer.name()), picked == &programmer);
    }
    // A chosen programmer that is not attached stays chosen, and is shown as such.
    if (!m_programmerChoice.isEmpty() && !picked)
        add(ExtraMessages::text(ExtraText::ProgrammerNotAttached).arg(m_programmerChoice), m_programmerChoice, true)
            ->setEnabled(false);
}
