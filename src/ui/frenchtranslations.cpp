// Loading Qt's French translations.
#include "ui/frenchtranslations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace ui {

bool installFrenchTranslations(QCoreApplication &app)
{
    auto *translator = new QTranslator(&app);
    // "qt_fr" gathers the catalogues of every Qt module (base, multimedia...).
    if (!translator->load(QLocale(QLocale::French, QLocale::France), QStringLiteral("qt"), QStringLiteral("_"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete translator;
        return false;
    }
    return QCoreApplication::installTranslator(translator);
}

} // namespace ui
