// Program entry: one instance per user, splash, the frame and the search dialog, message loop.
#include "platform/singleinstance.h"
#include "search/gui/tchoix.h"
#include "shell/gui/tcharge.h"
#include "settings/settingsstore.h"
#include "shell/gui/tframeform.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    platform::SingleInstance instance(QStringLiteral("Tframeform"));
    if (!instance.acquire())
        return 0;

    auto *splash = new shell::TCharge;
    splash->show();
    splash->repaint();
    QApplication::processEvents();

    QApplication::setApplicationName(QStringLiteral("vorlane"));

    const settings::SettingsStore store;
    shell::Tframeform frame(store);
    auto *choix = new search::Tchoix(frame, store, &frame);
    frame.setSearchDialog(choix);

    splash->hide();
    delete splash;

    frame.show();
    return QApplication::exec();
}
