#include "ui/themedicon.h"

#include <QStandardPaths>
#include <QStringList>

static void initUiResources()
{
    Q_INIT_RESOURCE(ui);
}

namespace ui {

namespace {

constexpr char FallbackTheme[] = "Adwaita";

} // namespace

QIcon themedIcon(const char *name)
{
    // Without a desktop (a bare X server, offscreen) Qt names no theme, or only the base one that
    // holds application icons: Adwaita then is the theme.
    const QString theme = QIcon::themeName();
    if (theme.isEmpty() || theme == QLatin1String("hicolor")) {
        // Such platforms may not look in the system's icon folders either.
        QStringList paths = QIcon::themeSearchPaths();
        for (const QString &folder : QStandardPaths::locateAll(QStandardPaths::GenericDataLocation, QStringLiteral("icons"),
                                                                QStandardPaths::LocateDirectory)) {
            if (!paths.contains(folder))
                paths.append(folder);
        }
        QIcon::setThemeSearchPaths(paths);
        QIcon::setThemeName(QLatin1String(FallbackTheme));
    }
    else if (QIcon::fallbackThemeName() != QLatin1String(FallbackTheme))
        QIcon::setFallbackThemeName(QLatin1String(FallbackTheme));
    return QIcon::fromTheme(QLatin1String(name));
}

QIcon applicationIcon()
{
    initUiResources();
    return QIcon::fromTheme(QStringLiteral("vorlane"), QIcon(QStringLiteral(":/ui/vorlane.svg")));
}

} // namespace ui
