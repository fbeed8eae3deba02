#include "app/CommandLine.h"
#include "app/TForm1.h"
#include "app/ZorvexApplication.h"

#include <QFileInfo>

#include <cstdio>

int main(int argc, char* argv[])
{
    ZorvexApplication application(argc, argv);
    QStringList arguments = QApplication::arguments();
    arguments.removeFirst();
    const CommandLine options = CommandLine::parse(arguments);
    if (options.help || !options.error.isEmpty()) {
        if (!options.error.isEmpty())
            std::fprintf(stderr, "zorvex: %s\n", qPrintable(options.error));
        std::fputs(qPrintable(CommandLine::usage()), options.help ? stdout : stderr);
        return options.help ? 0 : 2;
    }
    // The simulator reads its configuration when the transport first binds it.
    if (!options.simulatorConfig.isEmpty())
        qputenv("ZORVEX_SIM_CONFIG", QFileInfo(options.simulatorConfig).absoluteFilePath().toLocal8Bit());

    TForm1::Environment environment = TForm1::Environment::defaults();
    environment.usbLibrary = options.libraryToBind(QCoreApplication::applicationDirPath());
    TForm1 window(environment);
    window.show();
    return QApplication::exec();
}
