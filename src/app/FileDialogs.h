#pragma once

#include <QString>
#include <QStringList>

class QWidget;

// The open and save file dialogs of the Open and Save commands. Filters are given in the
// "description|pattern|description|pattern" form the program's commands define them in.
// Tests queue the names a user would pick with setNextFileName(); a queued name is taken by the
// next dialog instead of showing it, an empty queued name standing for Cancel.
class FileDialogs {
public:
    static void setNextFileName(const QString& name);
    [[nodiscard]] static int pendingFileNames();
    static void reset();

    // The name filters the last open or save dialog offered (also when a queued name answered it).
    enum class Kind { Open, Save };
    [[nodiscard]] static QStringList lastNameFilters(Kind kind);

    // The chosen file, or an empty string when the user cancelled. filterIndex is 1-based. The
    // dialog starts in folder (the current folder when it is empty). A filter whose pattern is
    // "*.*" lists every file, those without a dot in their name too, as people expect of it.
    [[nodiscard]] static QString openFileName(QWidget* parent, const QString& filter, int filterIndex,
                                              const QString& folder = {});
    // A name chosen without an extension gets defaultExtension appended. The dialog does not ask
    // about overwriting: the save itself asks.
    [[nodiscard]] static QString saveFileName(QWidget* parent, const QString& filter,
                                              const QString& defaultExtension, const QString& folder = {});
};
