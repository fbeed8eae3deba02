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
    if (!translator->load(QString::fromLatin1(name), QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete translator;
        return false;
    }
    QCoreApplication::installTranslator(translator);
    installed() = translator;
    return true;
}
