#pragma once

#include <QString>
#include <QStringList>

// The program's own options and the file it opens at start. Without options it binds the real
// USB library; the options exist so the program can be tried without hardware (the simulator
// beside the executable) or against another build of a library with the same interface.
struct CommandLine {
    bool simulate = false;
    QString simulatorConfig;   // --simulate=CONFIG: handed to the simulator through its variable
    QString usbLibrary;        // --usb-library PATH
    QString file;              // FILE: the buffer file to open at start (a desktop's "Open with")
    QString error;             // not empty: the arguments were not understood

    // Arguments after the program name. They are checked before the application object exists,
    // so that a bad one is reported without a display: Qt's own options ("-platform offscreen",
    // "-style=fusion" ...) are passed over here and left for QApplication.
    [[nodiscard]] static CommandLine parse(const QStringList& arguments);
    [[nodiscard]] static QString usage();

    // The shared library the transport binds: the simulator in the executable's folder, the
    // library named on the command line, or an empty text for the transport's default.
    [[nodiscard]] QString libraryToBind(const QString& executableDir) const;
};
