// Program entry: one instance per user, splash, the frame and the search dialog, message loop.
// "vorlane FOLDER" opens the search dialog on FOLDER, in this process or in the one running.
#include "platform/singleinstance.h"
#include "search/gui/tchoix.h"
#include "settings/settingsstore.h"
#include "shell/core/startfolder.h"
#include "shell/gui/tcharge.h"
#include "shell/gui/tframeform.h"
#include "ui/frenchtranslations.h"
#include "ui/themedicon.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    // The program speaks French whatever the system's language, Qt's own dialogs included.
    ui::installFrenchTranslations(app);
    const QString folder = shell::startFolder(QApplication::arguments());
    platform::SingleInstance instance(QStringLiteral("Tframeform"));
    if (!instance.acquire(folder))
        return 0;

    auto *splash = new shell::TCharge;
    splash->show();
    splash->repaint();
    QApplication::processEvents();

    QApplication::setApplicationName(QStringLiteral("vorlane"));
    QApplication::setWindowIcon(ui::applicationIcon());

    const settings::SettingsStore store;
    shell::Tframeform frame(store);
    auto *choix = new search::Tchoix(frame, store, &frame);
    frame.setSearchDialog(choix);
    if (!folder.isEmpty())
        choix->setFolder(folder);
    QObject::connect(&instance, &platform::SingleInstance::folderRequested, &frame,
                     &shell::Tframeform::searchInFolder);

    splash->hide();
    delete splash;

    frame.show();
    return QApplication::exec();
}
