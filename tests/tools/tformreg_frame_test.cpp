// The registry browser as the frame opens it, on a real X server: the toolbar's button opens one
// window, found again on the second click, showing the program's own settings.
#include "settings/settingsstore.h"
#include "shell/gui/tframeform.h"
#include "tools/gui/tformreg.h"

#include <QApplication>
#include <QKeyEvent>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPointer>
#include <QTest>
#include <QToolButton>

#include <memory>

class TFormregFrameTest : public QObject {
    Q_OBJECT

private slots:
    void toolbarOpensOneWindowOnTheProgramsSettings();
};

namespace {

QList<tools::TFormreg *> registryWindows()
{
    QList<tools::TFormreg *> found;
    for (QWidget *top : QApplication::topLevelWidgets())
        if (auto *window = qobject_cast<tools::TFormreg *>(top); window && window->isVisible())
            found.append(window);
    return found;
}

} // namespace

void TFormregFrameTest::toolbarOpensOneWindowOnTheProgramsSettings()
{
    settings::SettingsStore store;
    QVERIFY(store.write(settings::html::Page, QStringLiteral("http://127.0.0.1/page.htm")));
    auto frame = std::make_unique<shell::Tframeform>(store);
    frame->show();
    QVERIFY(QTest::qWaitForWindowExposed(frame.get()));
    QToolButton *button = frame->toolButton(QStringLiteral("ToolBtnReg"));
    QVERIFY(button && button->isEnabled());

    button->click();
    QCOMPARE(registryWindows().size(), 1);
    QPointer<tools::TFormreg> window = registryWindows().first();
    QVERIFY(QTest::qWaitForWindowExposed(window));
    button->click();
    QCOMPARE(registryWindows(), QList<tools::TFormreg *>{window.data()});

    auto *subkeys = window->findChild<QListWidget *>(QStringLiteral("ListSub"));
    for (const char *name : {"SOFTWARE", "KESTRALUNE", "VORLANE", "HTML"}) {
        const QList<QListWidgetItem *> found = subkeys->findItems(QLatin1String(name), Qt::MatchFixedString);
        QVERIFY2(found.size() == 1, name);
        subkeys->setCurrentItem(found.first());
        QTest::keyClick(subkeys, Qt::Key_Return);
    }
    QCOMPARE(window->browser().currentPath().toUpper(), QStringLiteral("SOFTWARE\\KESTRALUNE\\VORLANE\\HTML"));
    auto *values = window->findChild<QListWidget *>(QStringLiteral("ListValues"));
    values->setCurrentItem(values->findItems(QStringLiteral("pagehtml"), Qt::MatchExactly).value(0));
    QCOMPARE(window->findChild<QPlainTextEdit *>(QStringLiteral("memo1"))->toPlainText(),
             QStringLiteral("http://127.0.0.1/page.htm"));

    window->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(window.isNull());
}

QTEST_MAIN(TFormregFrameTest)
#include "tformreg_frame_test.moc"
