// The three tool windows offscreen: font rows and their labels, the system-information window's
// labels, and the window list of a program without an X desktop.
#include "tools/core/abouttexts.h"
#include "tools/core/windowlistmodel.h"
#include "tools/core/windowrow.h"
#include "tools/gui/tform_spy.h"
#include "tools/gui/tformfontlist.h"
#include "tools/gui/twabout.h"

#include <QApplication>
#include <QCheckBox>
#include <QFileInfo>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QLabel>
#include <QListWidget>
#include <QPointer>
#include <QTest>

class ToolWindowsTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void fontRowsAreAsTallAsTheirFont();
    void fontClickShowsTheName();
    void aboutShowsTheFacts();
    void windowListWithoutDesktopShowsOwnWindows();
};

// Each case starts with no window left by the one before.
void ToolWindowsTest::init()
{
    for (QWidget *top : QApplication::topLevelWidgets())
        top->deleteLater();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void ToolWindowsTest::fontRowsAreAsTallAsTheirFont()
{
    auto *window = new tools::TFormFontlist;
    QPointer<QWidget> guard(window);
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window));
    QCOMPARE(window->windowTitle(), QStringLiteral("Polices disponibles"));
    QCOMPARE(window->size(), QSize(276, 359));
    auto *list = window->findChild<QListWidget *>(QStringLiteral("ListBox1"));
    QVERIFY(list);
    QCOMPARE(list->hasFocus(), true);

    const QStringList families = QFontDatabase::families();
    QVERIFY(families.size() >= 2);
    QCOMPARE(list->count(), families.size());
    QSet<int> heights;
    for (int row = 0; row < list->count(); ++row) {
        QCOMPARE(list->item(row)->text(), families[row]);
        QFont font(families[row]);
        font.setPointSizeF(QApplication::font().pointSizeF());
        const int expected = QFontMetrics(font).height() + 2;
        QCOMPARE(list->visualItemRect(list->item(row)).height(), expected);
        heights.insert(expected);
    }
    // DejaVu and Liberation fonts are installed: rows are not all of one height.
    QVERIFY2(heights.size() > 1, "every font has the same height");
    window->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(guard.isNull());
}

void ToolWindowsTest::fontClickShowsTheName()
{
    tools::TFormFontlist window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    auto *list = window.findChild<QListWidget *>(QStringLiteral("ListBox1"));
    auto *label2 = window.findChild<QLabel *>(QStringLiteral("Label2"));
    auto *fontLabel = window.findChild<QLabel *>(QStringLiteral("FontLabel"));
    QCOMPARE(window.findChild<QLabel *>(QStringLiteral("Label1"))->text(), QStringLiteral("Polices systeme : "));
    QVERIFY(label2->text().isEmpty());
    QVERIFY(fontLabel->text().isEmpty());

    QListWidgetItem *item = list->item(1);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(item).center());
    QCOMPARE(fontLabel->text(), item->text());
    QCOMPARE(label2->text(), QStringLiteral("Vous avez selectioné : "));
    QTest::keyClick(list, Qt::Key_Down);
    QCOMPARE(fontLabel->text(), list->item(2)->text());
}

void ToolWindowsTest::aboutShowsTheFacts()
{
    tools::AboutFacts facts;
    facts.version = {4, 0};
    facts.platformName = QStringLiteral("Essai OS");
    facts.userName = QStringLiteral("Marie Curie");
    facts.processor = {QStringLiteral("Pentium"), false};
    facts.processorCount = 1;
    tools::TWAbout window(nullptr, facts);
    QCOMPARE(window.windowTitle(), QStringLiteral("Information"));
    QCOMPARE(window.size(), QSize(403, 372));
    QCOMPARE(window.windowModality(), Qt::ApplicationModal);
    QCOMPARE(window.findChild<QLabel *>(QStringLiteral("Label1"))->text(), QStringLiteral("Vorlane 2.02"));
    QCOMPARE(window.findChild<QLabel *>(QStringLiteral("Image2"))->pixmap().size(), QSize(120, 98));
    QCOMPARE(window.factLabel("lblWinVersion")->text(), QStringLiteral("Windows Version               :  Version 4.00"));
    QCOMPARE(window.factLabel("lblCPUType")->text(), QStringLiteral("CPU Type                           :  Pentium CPU, no FPU"));
    QCOMPARE(window.factLabel("lblWinSerialNum")->text(), QStringLiteral("Windows Serial Number     :"));
    // Memory figures come with the first activation.
    QCOMPARE(window.factLabel("lblTotalPhysMem")->text(), QStringLiteral("Total Physical Memory       :"));

    window.show();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    const QString total = window.factLabel("lblTotalPhysMem")->text();
    QVERIFY2(total.startsWith(QStringLiteral("Total Physical Memory       :  ")) && total.endsWith(QStringLiteral(" KB")),
             qPrintable(total));
    const QString expected = tools::kilobytesText(platform::memoryStatus().totalPhysical, QLocale());
    QCOMPARE(total.mid(total.indexOf(QLatin1String(":  ")) + 3), expected);
    QVERIFY(window.factLabel("lblMemLoad")->text().endsWith(QStringLiteral("% Load")));
}

void ToolWindowsTest::windowListWithoutDesktopShowsOwnWindows()
{
    QWidget other;
    other.setWindowTitle(QString());
    other.show();
    auto *window = new tools::TForm_Spy;
    QPointer<QWidget> guard(window);
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window));
    QCOMPARE(window->windowTitle(), QStringLiteral("Applications ouvertes"));
    QVERIFY(window->windowState() & Qt::WindowMaximized);

    const auto &model = window->model();
    auto *label = window->findChild<QLabel *>(QStringLiteral("Label1"));
    QCOMPARE(model.rowCount(), 2);
    QCOMPARE(label->text(), QStringLiteral("2 elements dans la liste"));
    QVERIFY(!label->toolTip().isEmpty());
    const QString code = tools::instanceCode(QCoreApplication::applicationPid());
    const QString program = QFileInfo(QCoreApplication::applicationFilePath()).fileName().leftJustified(20);
    QSet<QString> titles;
    for (const tools::WindowRow &row : model.rows()) {
        QCOMPARE(row.code, code);
        QCOMPARE(row.application, program);
        titles.insert(row.className.trimmed() + '|' + row.title.trimmed());
    }
    QCOMPARE(titles, (QSet<QString>{"TForm_Spy|Applications ouvertes", "QWidget|*"}));

    other.hide();
    auto *sorted = window->findChild<QCheckBox *>(QStringLiteral("CheckBox1"));
    QCOMPARE(sorted->text(), QStringLiteral("Liste triée"));
    sorted->click();
    QVERIFY(model.isSorted());
    QCOMPARE(label->text(), QStringLiteral("1 elements dans la liste"));
    sorted->click();
    QVERIFY(!model.isSorted());
    window->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(guard.isNull());
}

QTEST_MAIN(ToolWindowsTest)
#include "toolwindows_test.moc"
