#include "CommandLine.h"

#include "text/CliTexts.h"
#include "text/MessageCatalogExtra.h"
#include "usb/SimulatorLibrary.h"

namespace {
const QString simulateOption = QStringLiteral("--simulate");
const QString libraryOption = QStringLiteral("--usb-library");

struct QtOption {
    const char* name;
    bool takesValue;
};

// The options QGuiApplication, its X11 platform and QApplication take off the command line.
constexpr QtOption QtOptions[] = {
    {"platform", true}, {"platformpluginpath", true}, {"platformtheme", true}, {"plugin", true},
    {"qwindowgeometry", true}, {"qwindowicon", true}, {"qwindowtitle", true}, {"reverse", false},
    {"session", true}, {"display", true}, {"name", true}, {"title", true}, {"geometry", true},
    {"visual", true}, {"nograb", false}, {"dograb", false}, {"sync", false}, {"style", true},
    {"stylesheet", true}, {"widgetcount", false},
};

// How many arguments the Qt option at the start of arguments spans: 0 when it is none, 2 for
// "-display :1", 1 for "-style=fusion" or "-reverse". Qt takes one dash or two.
qsizetype qtOptionLength(const QStringList& arguments, qsizetype i)
{
    QStringView argument(arguments[i]);
    if (!argument.startsWith(u'-'))
        return 0;
    argument = argument.mid(argument.startsWith(u"--") ? 2 : 1);
    const qsizetype equals = argument.indexOf(u'=');
    const QStringView name = equals < 0 ? argument : argument.first(equals);
    for (const QtOption& option : QtOptions) {
        if (name != QLatin1String(option.name))
            continue;
        if (!option.takesValue || equals >= 0)
            return 1;
        return i + 1 < arguments.size() ? 2 : 1;
    }
    return 0;
}

}  // namespace

CommandLine CommandLine::parse(const QStringList& arguments)
{
    CommandLine line;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (const qsizetype qtLength = qtOptionLength(arguments, i); qtLength > 0) {
            i += qtLength - 1;
        } else if (argument == u"--") {
            // Whatever follows is a file, even a name that starts with a dash.
            const QStringList files = arguments.mid(i + 1);
            if (files.size() + (line.file.isEmpty() ? 0 : 1) > 1)
                line.error = cliText(CliText::WindowOneFileOnly).arg(files.back());
            else if (!files.isEmpty())
                line.file = files.front();
            break;
        } else if (argument == simulateOption) {
            line.simulate = true;
        } else if (argument.startsWith(simulateOption + u'=')) {
            line.simulate = true;
            line.simulatorConfig = argument.mid(simulateOption.size() + 1);
            if (line.simulatorConfig.isEmpty())
                line.error = ExtraMessages::text(ExtraText::CliNeedsInlineValue).arg(simulateOption, QStringLiteral("CONFIG"));
        } else if (argument == libraryOption) {
            if (i + 1 >= arguments.size()) {
                line.error = ExtraMessages::text(ExtraText::CliNeedsValue).arg(libraryOption);
                break;
            }
            line.usbLibrary = arguments[++i];
        } else if (argument.startsWith(libraryOption + u'=')) {
            line.usbLibrary = argument.mid(libraryOption.size() + 1);
            if (line.usbLibrary.isEmpty())
                line.error = ExtraMessages::text(ExtraText::CliNeedsValue).arg(libraryOption);
        } else if (argument.startsWith(u'-') && argument != u"-") {
            line.error = cliText(CliText::WindowUnknownOption).arg(argument);
            break;
        } else if (line.file.isEmpty()) {
            line.file = argument;
        } else {
            line.error = cliText(CliText::WindowOneFileOnly).arg(argument);
            break;
        }
    }
    if (line.error.isEmpty() && line.simulate && !line.usbLibrary.isEmpty())
        line.error = ExtraMessages::text(ExtraText::CliSimulateOrLibrary);
    return line;
}

QString CommandLine::usage()
{
    return QStringLiteral("%1 zorvex [--simulate[=CONFIG] | --usb-library PATH] [FILE]\n"
                          "       zorvex --help | --version\n")
               .arg(cliText(CliText::UsageHeading))
        + helpLine(QStringLiteral("FILE"), cliText(CliText::WindowFileOperand))
        + helpLine(QStringLiteral("--simulate[=CONFIG]"), cliText(CliText::WindowSimulateOption))
        + helpLine(QStringLiteral("--usb-library PATH"), cliText(CliText::UsbLibraryOption))
        + helpLine(QStringLiteral("--help"), cliText(CliText::HelpOption))
        + helpLine(QStringLiteral("--version"), cliText(CliText::VersionOption));
}

QString CommandLine::libraryToBind(const QString& executableDir) const
{
    if (simulate)
        return QString::fromStdString(simulatorLibraryPath(executableDir.toStdString()));
    return usbLibrary;
}
