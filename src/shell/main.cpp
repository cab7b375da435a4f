// Program entry: one instance per user, splash, the frame and the search dialog, message loop.
#include "platform/singleinstance.h"
#include "search/gui/tchoix.h"
#include "shell/gui/tcharge.h"
#include "shell/gui/tframeform.h"
#include "ui/frenchtranslations.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    // The program speaks French whatever the system's language, Qt's own dialogs included.
    ui::installFrenchTranslations(app);
    platform::SingleInstance instance(QStringLiteral("Tframeform"));
    if (!instance.acquire())
        return 0;

    auto *splash = new shell::TCharge;
    splash->show();
    splash->repaint();
    QApplication::processEvents();

    QApplication::setApplicationName(QStringLiteral("vorlane"));

    shell::Tframeform frame;
    auto *choix = new search::Tchoix(frame, &frame);
    frame.setSearchDialog(choix);

    splash->hide();
    delete splash;

    frame.show();
    return QApplication::exec();
}
