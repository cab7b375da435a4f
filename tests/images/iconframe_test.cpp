// The icon window as the frame opens it, on a real X server: the toolbar's icon button opens one
// window, maximised, in the folder kept in the settings, found again on the second click.
#include "testicons.h"
#include "externaltools.h"

#include "images/gui/tboite_icone.h"
#include "settings/settingsstore.h"
#include "shell/gui/tframeform.h"
#include "ui/filelist.h"
#include "ui/foldernavigator.h"

#include <QApplication>
#include <QFile>
#include <QListWidget>
#include <QPointer>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

#include <memory>

class IconFrameTest : public QObject {
    Q_OBJECT

private slots:
    void toolbarOpensOneMaximisedWindow();
};

namespace {

QList<images::Tboite_icone *> iconWindows()
{
    QList<images::Tboite_icone *> found;
    for (QWidget *top : QApplication::topLevelWidgets()) {
        if (auto *window = qobject_cast<images::Tboite_icone *>(top); window && window->isVisible())
            found.append(window);
    }
    return found;
}

} // namespace

void IconFrameTest::toolbarOpensOneMaximisedWindow()
{
    QTemporaryDir folder;
    imagetests::makeMultiIcon(folder.filePath(QStringLiteral("multi.ico")));
    settings::SettingsStore store(folder.filePath(QStringLiteral("hive.reg")));
    store.write(settings::iconpath::Folder, folder.path());

    auto frame = std::make_unique<shell::Tframeform>(store);
    frame->show();
    QVERIFY(QTest::qWaitForWindowExposed(frame.get()));
    QToolButton *button = frame->toolButton(QStringLiteral("ToolBtnicone"));
    QVERIFY(button && button->isEnabled());

    button->click();
    QCOMPARE(iconWindows().size(), 1);
    QPointer<images::Tboite_icone> window = iconWindows().first();
    QVERIFY(QTest::qWaitForWindowExposed(window));
    QCOMPARE(window->windowTitle(), QStringLiteral("Voir les Icones"));
    QVERIFY(window->windowState() & Qt::WindowMaximized);
    QCOMPARE(window->navigator()->folder(), folder.path());
    QCOMPARE(window->findChild<ui::FileList *>(QStringLiteral("fichier_icone"))->count(), 1);
    QCOMPARE(window->grid()->count(), 0);
    button->click();
    QCOMPARE(iconWindows(), QList<images::Tboite_icone *>{window.data()});

    window->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(window.isNull());
    QCOMPARE(store.read(settings::iconpath::Folder), folder.path());
}

QTEST_MAIN(IconFrameTest)
#include "iconframe_test.moc"
