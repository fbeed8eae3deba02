#include "app/CommandLine.h"
#include "buffer/AtomicSave.h"
#include "text/CliTexts.h"
#include "text/MessageCatalogExtra.h"
#include "text/SystemLanguage.h"
#include "app/TForm1.h"
#include "app/ZorvexApplication.h"
#include "usb/SimulatorLibrary.h"

#include <QFile>
#include <QFileInfo>
#include <QTimer>

#include <cstdio>
#include <cstring>

int main(int argc, char* argv[])
{
    reportWriteFailuresInsteadOfEnding();
    // Help, the version and a bad option need no display: all are dealt with before the
    // application object exists (which needs one).
    // Until the settings name the window's language, messages speak the locale's.
    setCurrentLanguage(SystemLanguage::forTerminal());
    QStringList arguments;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
            std::fputs(qPrintable(CommandLine::usage()), stdout);
            return 0;
        }
        if (std::strcmp(argv[i], "--version") == 0) {
            std::printf("zorvex %s\n", ZORVEX_VERSION);
            return 0;
        }
        arguments << QString::fromLocal8Bit(argv[i]);
    }
    CommandLine options = CommandLine::parse(arguments);
    // A name whose bytes are not UTF-8 reads back as other bytes: the file would not be found.
    for (qsizetype i = 0; i < arguments.size() && options.error.isEmpty(); ++i) {
        if (QFile::encodeName(arguments[i]) != argv[i + 1])
            options.error = ExtraMessages::text(ExtraText::CliArgumentNotUtf8).arg(arguments[i]);
    }
    if (!options.error.isEmpty()) {
        std::fprintf(stderr, "zorvex: %s\n%s\n", qPrintable(options.error), qPrintable(cliText(CliText::WindowTryHelp)));
        return 2;
    }
    // The window's class and its desktop entry name the same application, so docks and task
    // bars show the entry's name and icon for it.
    QCoreApplication::setApplicationName(QStringLiteral("zorvex"));
    QGuiApplication::setDesktopFileName(QStringLiteral("org.zorvex.Zorvex"));
    ZorvexApplication application(argc, argv);
    // The simulator reads its configuration when the transport first binds it.
    if (!options.simulatorConfig.isEmpty()) {
        qputenv("ZORVEX_SIM_CONFIG",
            QFileInfo(options.simulatorConfig).absoluteFilePath().toLocal8Bit());
    }

    TForm1::Environment environment = TForm1::Environment::defaults();
    environment.usbLibrary = options.libraryToBind(QCoreApplication::applicationDirPath());
    TForm1 window(environment);
    window.show();
    // A configuration the simulator refused leaves it without a programmer; the window says
    // why once, over the window, instead of only on standard error.
    if (options.simulate) {
        const QString reason = QString::fromStdString(
            refusedSimulatorConfiguration(QFile::encodeName(environment.usbLibrary).toStdString()));
        if (!reason.isEmpty()) {
            QTimer::singleShot(0, &window, [&window, reason] {
                window.ShowError(ExtraMessages::text(ExtraText::SimulatorRefused).arg(reason));
            });
        }
    }
    if (!options.file.isEmpty())
        QTimer::singleShot(0, &window, [&window, file = options.file] { window.openImageFile(file); });
    return QApplication::exec();
}
