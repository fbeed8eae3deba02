#include "ProgrammersCommand.h"

#include "ChipCommandLine.h"
#include "CliCommand.h"
#include "ProgrammerBinding.h"

#include "text/MessageCatalogExtra.h"
#include "usb/UsbBulk.h"

#include <cstdio>

int runProgrammers(const ChipCommandLine& line)
{
    setCurrentLanguage(line.language);
    const std::unique_ptr<TUsbBulk> usb = bindTransport(line);
    usb->setSelector(std::nullopt);  // the list shows them all
    const std::vector<ProgrammerIdentity> programmers = usb->listProgrammers();
    if (programmers.empty()) {
        printError(ExtraMessages::text(ExtraText::NoProgrammerAttached));
        explainNotConnected(*usb);
        return ExitNotConnected;
    }
    for (const ProgrammerIdentity& programmer : programmers)
        std::printf("%d  %s  %s  %s\n", programmer.number, programmer.location().c_str(), programmer.serial.c_str(),
                    programmer.product.c_str());
    return ExitSuccess;
}
