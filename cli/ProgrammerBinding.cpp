#include "ProgrammerBinding.h"

#include "ChipCommandLine.h"
#include "CliCommand.h"
#include "text/ProduceTexts.h"

#include "text/MessageCatalogExtra.h"
#include "usb/SimulatorLibrary.h"
#include "usb/UsbBulk.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <algorithm>
#include <cerrno>
#include <vector>

std::unique_ptr<TUsbBulk> bindTransport(const ChipCommandLine& line)
{
    std::string library = line.usbLibrary.isEmpty() ? TUsbBulk::DefaultLibraryName : line.usbLibrary.toStdString();
    if (line.simulate) {
        // The simulator reads its configuration when the transport first binds it.
        if (!line.simulatorConfig.isEmpty())
            qputenv("ZORVEX_SIM_CONFIG", QFileInfo(line.simulatorConfig).absoluteFilePath().toLocal8Bit());
        library = simulatorLibraryPath(QCoreApplication::applicationDirPath().toStdString());
    }
    auto usb = std::make_unique<TUsbBulk>(library);
    if (!line.programmer.isEmpty())
        usb->setSelector(ProgrammerSelector(line.programmer.toStdString()));
    return usb;
}

void explainNotConnected(TUsbBulk& usb)
{
    // When the reason is a USB library that is not there at all, that is what the person has to
    // fix, not the cable.
    if (!usb.library().isLoaded()) {
        printError(ExtraMessages::text(ExtraText::UsbLibraryNotLoaded).arg(QString::fromStdString(usb.library().path())));
        return;
    }
    // Nor is it the cable when the simulator has no programmer because it refused its file.
    if (const std::string reason = refusedSimulatorConfiguration(usb.library().path()); !reason.empty()) {
        printError(ExtraMessages::text(ExtraText::SimulatorRefused).arg(QString::fromStdString(reason)));
        return;
    }
    if (usb.selector()) {
        const QString selector = QString::fromStdString(usb.selector()->text());
        switch (usb.selectionFailure()) {
        case TUsbBulk::SelectionFailure::None:
            break;
        case TUsbBulk::SelectionFailure::NoMatch:
            printError(ExtraMessages::text(ExtraText::ProgrammerNoMatch).arg(selector));
            return;
        case TUsbBulk::SelectionFailure::ClaimRefused:
            if (usb.refusedClaimResult() == -EBUSY)
                printError(ExtraMessages::text(ExtraText::ProgrammerBusy).arg(selector));
            else
                printError(ExtraMessages::text(ExtraText::ProgrammerClaimRefused).arg(selector).arg(usb.refusedClaimResult()));
            return;
        }
    }
    if (!usb.selector() && usb.refusedClaimResult() == -EBUSY) {
        // Every programmer was tried; the last one there is claimed by another program. One scan
        // names it: a programmer unplugged meanwhile leaves the list empty.
        const std::vector<ProgrammerIdentity> programmers = usb.listProgrammers();
        if (!programmers.empty()) {
            printError(ExtraMessages::text(ExtraText::ProgrammerBusy).arg(QString::fromStdString(programmers.back().name())));
            return;
        }
    }
    // Nothing more particular is known: what to check, in the language of the messages.
    printError(ExtraMessages::text(ExtraText::NotConnectedCauses));
}

bool refuseAmbiguousProgrammer(TUsbBulk& usb)
{
    if (!usb.selector())
        return false;
    const std::string& text = usb.selector()->text();
    QStringList matches;
    for (const ProgrammerIdentity& programmer : usb.listProgrammers()) {
        if (programmer.serial == text)
            matches << QString::fromStdString(programmer.location());
    }
    if (matches.size() < 2)
        return false;
    printError(produceText(ProduceText::TwinProgrammers)
                   .arg(QString::fromStdString(text)).arg(matches.size()).arg(matches.join(QStringLiteral(", "))));
    return true;
}

QString pinOpenedProgrammer(TUsbBulk& usb)
{
    const std::string location = usb.lastOpenedLocation();
    usb.setSelector(ProgrammerSelector(location));
    const std::vector<ProgrammerIdentity> programmers = usb.listProgrammers();
    const auto it = std::find_if(programmers.begin(), programmers.end(),
                                 [&](const ProgrammerIdentity& p) { return p.location() == location; });
    return QString::fromStdString(it == programmers.end() ? location : it->name());
}

bool programmerHeldElsewhere(TUsbBulk& usb)
{
    if (usb.refusedClaimResult() != -EBUSY)
        return false;
    if (usb.selector())
        return usb.selectionFailure() == TUsbBulk::SelectionFailure::ClaimRefused;
    // Without a selector the refusal kept is that of the last device tried, so one must be there.
    return !usb.listProgrammers().empty();
}
