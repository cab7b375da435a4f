// The FTP window as the frame opens it, on a real X server: the toolbar's "Connexion FTP" button
// opens one window, found again on the second click, and its "Voir" shows a local file in the
// program's own editor.
#include "net/gui/tftpsimple.h"
#include "settings/settingsstore.h"
#include "shell/gui/tframeform.h"
#include "ui/filelist.h"
#include "ui/folderlist.h"

#include <QApplication>
#include <QFile>
#include <QMdiArea>
#include <QPointer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

#include <memory>

class FtpFrameTest : public QObject {
    Q_OBJECT

private slots:
    void toolbarOpensOneWindow();
};

namespace {

QList<net::TFtpsimple *> ftpWindows()
{
    QList<net::TFtpsimple *> found;
    for (QWidget *top : QApplication::topLevelWidgets()) {
        if (auto *window = qobject_cast<net::TFtpsimple *>(top); window && window->isVisible())
            found.append(window);
    }
    return found;
}

} // namespace

void FtpFrameTest::toolbarOpensOneWindow()
{
    QTemporaryDir settingsFolder;
    auto frame = std::make_unique<shell::Tframeform>(settings::SettingsStore(settingsFolder.filePath(QStringLiteral("user.reg"))));
    frame->show();
    QVERIFY(QTest::qWaitForWindowExposed(frame.get()));
    QToolButton *button = frame->toolButton(QStringLiteral("ToolBtnFtp"));
    QVERIFY(button && button->isEnabled());
    QCOMPARE(button->toolTip(), QStringLiteral("Connexion FTP"));

    button->click();
    QCOMPARE(ftpWindows().size(), 1);
    QPointer<net::TFtpsimple> window = ftpWindows().first();
    QVERIFY(QTest::qWaitForWindowExposed(window));
    QCOMPARE(window->windowTitle(), QStringLiteral("Client FTP simple"));
    button->click();
    QCOMPARE(ftpWindows(), QList<net::TFtpsimple *>{window.data()});

    QTemporaryDir folder;
    QFile text(folder.filePath(QStringLiteral("note.txt")));
    QVERIFY(text.open(QIODevice::WriteOnly) && text.write("a note\r\n") > 0);
    text.close();
    QVERIFY(window->findChild<ui::FolderList *>(QStringLiteral("DirectoryListBox1"))->setDirectory(folder.path()));
    auto *files = window->findChild<ui::FileList *>(QStringLiteral("FileListBox1"));
    files->setCurrentRow(0);
    const int editors = frame->mdiArea()->subWindowList().size();
    window->findChild<QPushButton *>(QStringLiteral("Button6"))->click();
    QCOMPARE(frame->mdiArea()->subWindowList().size(), editors + 1);

    window->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(window.isNull());
    QVERIFY(ftpWindows().isEmpty());
}

QTEST_MAIN(FtpFrameTest)
#include "ftpframetest.moc"
