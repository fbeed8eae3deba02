#include "CommandLine.h"

#include "usb/SimulatorLibrary.h"

namespace {
const QString simulateOption = QStringLiteral("--simulate");
const QString libraryOption = QStringLiteral("--usb-library");
}  // namespace

CommandLine CommandLine::parse(const QStringList& arguments)
{
    CommandLine line;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (argument == simulateOption) {
            line.simulate = true;
        } else if (argument.startsWith(simulateOption + u'=')) {
            line.simulate = true;
            line.simulatorConfig = argument.mid(simulateOption.size() + 1);
            if (line.simulatorConfig.isEmpty())
                line.error = QStringLiteral("--simulate= needs a configuration file");
        } else if (argument == libraryOption) {
            if (i + 1 >= arguments.size()) {
                line.error = QStringLiteral("--usb-library needs a path");
                break;
            }
            line.usbLibrary = arguments[++i];
        } else if (argument.startsWith(libraryOption + u'=')) {
            line.usbLibrary = argument.mid(libraryOption.size() + 1);
            if (line.usbLibrary.isEmpty())
                line.error = QStringLiteral("--usb-library needs a path");
        } else {
            line.error = QStringLiteral("unknown argument: %1").arg(argument);
            break;
        }
    }
    if (line.error.isEmpty() && line.simulate && !line.usbLibrary.isEmpty())
        line.error = QStringLiteral("--simulate and --usb-library exclude each other");
    return line;
}

QString CommandLine::usage()
{
    return QStringLiteral(
        "Usage: zorvex [--simulate[=CONFIG] | --usb-library PATH]\n"
        "       zorvex --help | --version\n"
        "  --simulate[=CONFIG]  use the programmer simulator shipped with the program instead of the\n"
        "                       USB library; CONFIG names a simulator configuration file\n"
        "  --usb-library PATH   bind this library (libusb-0.1 interface) instead of the default\n");
}

QString CommandLine::libraryToBind(const QString& executableDir) const
{
    if (simulate)
        return QString::fromStdString(simulatorLibraryPath(executableDir.toStdString()));
    return usbLibrary;
}
