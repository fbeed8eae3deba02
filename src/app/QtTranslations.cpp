#include "QtTranslations.h"

#include "text/Languages.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QPointer>
#include <QTranslator>

namespace {

QPointer<QTranslator>& installed()
{
    static QPointer<QTranslator> translator;
    return translator;
}

}  // namespace

bool QtTranslations::apply(Language language)
{
    if (QTranslator* old = installed()) {
        QCoreApplication::removeTranslator(old);
        delete old;
    }
    // Qt speaks English by itself; for some languages it ships no translation.
    const char* qtName = languageInfo(language).qtName;
    if (!isValidLanguage(language) || !qtName)
        return true;
    const QString name = QStringLiteral("qtbase_%1").arg(QLatin1String(qtName));
    // Owned by the application object, so it goes with it.
    auto* translator = new QTranslator(QCoreApplication::instance());
    const QString folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    if (!translator->load(name, folder)) {
        delete translator;
        // Said on standard error, where an install that lacks them can be found out.
        qWarning("zorvex: Qt's translation %s is not in %s: Qt's buttons and dialogs stay in English",
                 qPrintable(name), qPrintable(folder));
        return false;
    }
    QCoreApplication::installTranslator(translator);
    installed() = translator;
    return true;
}
