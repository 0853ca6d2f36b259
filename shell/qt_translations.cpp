#include "qt_translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace shell {

bool useQtTranslations(bool russian)
{
    static QTranslator* translator = nullptr;
    if (!russian) {
        if (translator)
            QCoreApplication::removeTranslator(translator);
        return true;
    }
    if (!translator) {
        // lives as long as the application, whose child it is
        translator = new QTranslator(QCoreApplication::instance());
        if (!translator->load(QStringLiteral("qtbase_ru"), QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
            delete translator;
            translator = nullptr;
            return false;
        }
    }
    // installing it again only moves it to the front
    QCoreApplication::installTranslator(translator);
    return true;
}

}  // namespace shell
