#include "QtTranslations.h"

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
    const char* name = nullptr;
    switch (language) {
    case Language::Simplified: name = "qtbase_zh_CN"; break;
    case Language::Traditional: name = "qtbase_zh_TW"; break;
    case Language::English: break;
    }
    if (!name)
        return true;
    // Owned by the application object, so it goes with it.
    auto* translator = new QTranslator(QCoreApplication::instance());
    const QString folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    if (!translator->load(QString::fromLatin1(name), folder)) {
        delete translator;
        // Said on standard error, where an install that lacks them can be found out.
        qWarning("zorvex: Qt's translation %s is not in %s: Qt's buttons and dialogs stay in English", name,
                 qPrintable(folder));
        return false;
    }
    QCoreApplication::installTranslator(translator);
    installed() = translator;
    return true;
}
