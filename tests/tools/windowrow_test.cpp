// The window list's rows without a window: padding, "*", the 63-character cut, instance codes,
// sorting by code and back, the count label.
#include "tools/core/windowlistmodel.h"
#include "tools/core/windowrow.h"

#include <QTest>

using platform::DesktopWindow;

class WindowRowTest : public QObject {
    Q_OBJECT

private slots:
    void formatsRow_data();
    void formatsRow();
    void sortingTwiceReturnsTheDesktopOrder();
    void countsRows();
};

namespace {

QString blanks(int count)
{
    return QString(count, QLatin1Char(' '));
}

} // namespace

void WindowRowTest::formatsRow_data()
{
    QTest::addColumn<qint64>("pid");
    QTest::addColumn<QString>("program");
    QTest::addColumn<QString>("className");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("application");
    QTest::addColumn<QString>("shownClass");
    QTest::addColumn<QString>("shownTitle");

    const QString long70 = QString(70, QLatin1Char('t'));
    const QString smile = QStringLiteral("\U0001F600");
    QTest::newRow("plain") << qint64(0x12345) << "/usr/bin/xmessage" << "Xmessage" << "Essai"
                           << "2345" << "xmessage" + blanks(12) << "Xmessage" + blanks(32) << "Essai" + blanks(59);
    QTest::newRow("no title") << qint64(0xABCD) << "/bin/x" << "C" << ""
                              << "ABCD" << "x" + blanks(19) << "C" + blanks(39) << "*" + blanks(63);
    QTest::newRow("unknown process") << qint64(0) << "" << "" << "T"
                                     << "0000" << blanks(20) << blanks(40) << "T" + blanks(63);
    QTest::newRow("small pid") << qint64(0x2a) << "/p" << "c" << "t" << "002A" << "p" + blanks(19) << "c" + blanks(39)
                               << "t" + blanks(63);
    QTest::newRow("long title and class cut to 63") << qint64(1) << "/p" << long70 << long70 << "0001" << "p" + blanks(19)
                                                    << long70.left(63) << long70.left(63) + " ";
    QTest::newRow("long program name kept whole") << qint64(1) << "/opt/a/" + long70 << "c" << "t" << "0001" << long70
                                                  << "c" + blanks(39) << "t" + blanks(63);
    QTest::newRow("cut never splits a character")
        << qint64(1) << "/p" << "c" << QString(62, QLatin1Char('a')) + smile + "zz" << "0001" << "p" + blanks(19)
        << "c" + blanks(39) << QString(62, QLatin1Char('a')) + smile;
}

void WindowRowTest::formatsRow()
{
    QFETCH(qint64, pid);
    QFETCH(QString, program);
    QFETCH(QString, className);
    QFETCH(QString, title);
    const tools::WindowRow row = tools::windowRow({7, className, title, pid, program});
    QTEST(row.code, "code");
    QTEST(row.application, "application");
    QTEST(row.className, "shownClass");
    QTEST(row.title, "shownTitle");
}

void WindowRowTest::sortingTwiceReturnsTheDesktopOrder()
{
    const QList<DesktopWindow> desktop = {
        {1, "C", "third", 0x30, "/p"}, {2, "C", "first", 0x10, "/p"},
        {3, "C", "second", 0x2B, "/p"}, {4, "C", "first too", 0x10, "/p"}};
    const auto titles = [](const tools::WindowListModel &model) {
        QStringList list;
        for (int row = 0; row < model.rowCount(); ++row)
            list << model.index(row, tools::WindowListModel::TitleColumn).data().toString().trimmed();
        return list;
    };
    tools::WindowListModel model;
    model.setWindows(desktop);
    const QStringList unsorted = {"third", "first", "second", "first too"};
    QCOMPARE(titles(model), unsorted);
    model.setSorted(true);
    model.setWindows(desktop);
    QCOMPARE(titles(model), (QStringList{"first", "first too", "second", "third"}));
    QCOMPARE(model.index(2, tools::WindowListModel::CodeColumn).data().toString(), QStringLiteral("002B"));
    model.setSorted(false);
    model.setWindows(desktop);
    QCOMPARE(titles(model), unsorted);

    QCOMPARE(model.columnCount(), 4);
    QStringList headers;
    for (int column = 0; column < model.columnCount(); ++column)
        headers << model.headerData(column, Qt::Horizontal).toString();
    QCOMPARE(headers, (QStringList{"Hdl", "Application", "ClassName", "Titre de la fenetre"}));
}

void WindowRowTest::countsRows()
{
    QCOMPARE(tools::countLabel(0), QStringLiteral("0 elements dans la liste"));
    QCOMPARE(tools::countLabel(12), QStringLiteral("12 elements dans la liste"));
}

QTEST_APPLESS_MAIN(WindowRowTest)
#include "windowrow_test.moc"
