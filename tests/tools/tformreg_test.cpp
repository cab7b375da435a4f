// The registry browser window over a store the test writes: the status panel, the lists, the
// history box and the value box follow the handlers' rules.
#include "platform/registrystore.h"
#include "tools/gui/tformreg.h"

#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

#include <memory>

class TFormregTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void controlsAndFirstView();
    void walkAndHistory();
    void values_data();
    void values();
    void anotherRootKeepsTheValueBox();

private:
    template <typename T>
    T *control(const char *name) const
    {
        T *found = m_window->findChild<T *>(QLatin1String(name));
        if (!found)
            qFatal("control %s missing", name);
        return found;
    }
    QString status() const { return control<QStatusBar>("StatusBar1")->findChild<QLabel *>()->text(); }
    QStringList items(const char *list) const;
    QStringList history() const;
    void select(const char *list, const QString &text);
    void goDown(const QString &name);

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<tools::TFormreg> m_window;
};

QStringList TFormregTest::items(const char *list) const
{
    QStringList texts;
    auto *widget = control<QListWidget>(list);
    for (int i = 0; i < widget->count(); ++i)
        texts.append(widget->item(i)->text());
    return texts;
}

QStringList TFormregTest::history() const
{
    QStringList texts;
    auto *box = control<QComboBox>("ComboLast");
    for (int i = 0; i < box->count(); ++i)
        texts.append(box->itemText(i));
    return texts;
}

void TFormregTest::select(const char *list, const QString &text)
{
    auto *widget = control<QListWidget>(list);
    const QList<QListWidgetItem *> found = widget->findItems(text, Qt::MatchExactly);
    QVERIFY2(found.size() == 1, qPrintable(text));
    widget->setCurrentItem(found.first());
}

void TFormregTest::goDown(const QString &name)
{
    select("ListSub", name);
    QTest::keyClick(control<QListWidget>("ListSub"), Qt::Key_Return);
}

void TFormregTest::init()
{
    m_window.reset();
    m_dir = std::make_unique<QTemporaryDir>();
    const QString hive = m_dir->filePath(QStringLiteral("user.reg"));
    platform::RegistryStore store(hive, QStringLiteral("HKEY_CURRENT_USER"));
    QVERIFY(store.update([](platform::RegistryKey &root) {
        root.createKey(QStringLiteral("Software\\Classes\\CLSID"));
        root.createKey(QStringLiteral("Software\\KESTRALUNE\\VORLANE\\HTML"))
            ->setValue(QStringLiteral("pagehtml"), platform::RegistryValue::string(QStringLiteral("file:///tmp/a.htm")));
        platform::RegistryKey *values = root.createKey(QStringLiteral("Values"));
        values->setValue(QString(), platform::RegistryValue::string(QStringLiteral("défaut")));
        values->setValue(QStringLiteral("moins un"), platform::RegistryValue::dword(0xFFFFFFFF));
        values->setValue(QStringLiteral("dix octets"),
                         platform::RegistryValue::binary(QByteArray("0123456789", 10)));
        values->setValue(QStringLiteral("liste"), platform::RegistryValue::multiString({QStringLiteral("un")}));
    }));
    m_window = std::make_unique<tools::TFormreg>(tools::RegistryHives(hive, m_dir->filePath(QStringLiteral("wine"))));
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
}

void TFormregTest::controlsAndFirstView()
{
    QCOMPARE(m_window->windowTitle(), QStringLiteral("visualiseur de base de registre"));
    auto *roots = control<QComboBox>("ComboKey");
    QCOMPARE(roots->count(), 6);
    QCOMPARE(roots->itemText(0), QStringLiteral("HKEY_CLASSES_ROOT"));
    QCOMPARE(roots->itemText(5), QStringLiteral("HKEY_DYN_DATA"));
    QCOMPARE(roots->currentIndex(), 1);
    for (const auto &[name, caption] : {std::pair{"Label3", "Clés"}, {"Label4", "Liste clés"}, {"Label1", "Sous clés"},
                                        {"Label2", "Valeur de clé"}})
        QCOMPARE(control<QLabel>(name)->text(), QString::fromUtf8(caption));
    QCOMPARE(status(), QString());
    QCOMPARE(items("ListSub"), (QStringList{"Software", "Values"}));
    QVERIFY(items("ListValues").isEmpty());
    QVERIFY(history().isEmpty());
    QVERIFY(control<QPlainTextEdit>("memo1")->isReadOnly());
}

void TFormregTest::walkAndHistory()
{
    goDown(QStringLiteral("Software"));
    QCOMPARE(status(), QStringLiteral("Software"));
    QCOMPARE(history(), QStringList{"\\"});
    QCOMPARE(items("ListSub"), (QStringList{"Classes", "KESTRALUNE"}));
    // A double click goes down too.
    select("ListSub", QStringLiteral("Classes"));
    auto *list = control<QListWidget>("ListSub");
    emit list->itemDoubleClicked(list->currentItem());
    QCOMPARE(status(), QStringLiteral("Software\\Classes"));
    QCOMPARE(history(), (QStringList{"\\", "\\Software"}));
    // Enter with nothing selected does nothing.
    list->setCurrentItem(nullptr);
    QTest::keyClick(list, Qt::Key_Return);
    QCOMPARE(status(), QStringLiteral("Software\\Classes"));

    control<QToolButton>("Button2")->click();
    QCOMPARE(status(), QStringLiteral("Software"));
    control<QToolButton>("Button2")->click();
    QCOMPARE(status(), QString());
    QCOMPARE(items("ListSub"), (QStringList{"Software", "Values"}));

    auto *last = control<QComboBox>("ComboLast");
    last->setCurrentIndex(1);
    emit last->activated(1);
    QCOMPARE(status(), QStringLiteral("Software"));
    QCOMPARE(last->currentText(), QStringLiteral("\\Software"));

    control<QToolButton>("Button1")->click();
    QCOMPARE(status(), QString());
    QVERIFY(history().isEmpty());
}

void TFormregTest::values_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("shown");
    QTest::newRow("default") << QString() << QStringLiteral("défaut");
    QTest::newRow("dword -1") << QStringLiteral("moins un") << QStringLiteral("-1");
    QTest::newRow("10 bytes") << QStringLiteral("dix octets")
                              << QStringLiteral("0000   30 31 32 33 34 35 36 37    01234567\n0008   38 39    89");
    QTest::newRow("multi-string") << QStringLiteral("liste") << QString();
}

void TFormregTest::values()
{
    QFETCH(QString, name);
    QFETCH(QString, shown);
    goDown(QStringLiteral("Values"));
    QCOMPARE(items("ListValues"), (QStringList{"", "dix octets", "liste", "moins un"}));
    auto *memo = control<QPlainTextEdit>("memo1");
    memo->setPlainText(QStringLiteral("avant"));
    auto *list = control<QListWidget>("ListValues");
    const QListWidgetItem *item = list->findItems(name, Qt::MatchExactly).value(0);
    QVERIFY(item);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(item).center());
    QCOMPARE(memo->toPlainText(), shown);
}

void TFormregTest::anotherRootKeepsTheValueBox()
{
    goDown(QStringLiteral("Values"));
    select("ListValues", QStringLiteral("moins un"));
    auto *memo = control<QPlainTextEdit>("memo1");
    QCOMPARE(memo->toPlainText(), QStringLiteral("-1"));
    control<QComboBox>("ComboKey")->setCurrentIndex(2);
    QCOMPARE(memo->toPlainText(), QStringLiteral("-1"));
    QVERIFY(history().isEmpty());
    QVERIFY(items("ListSub").isEmpty());
    QCOMPARE(status(), QString());
    // Up at the root empties the value box and stays there.
    control<QToolButton>("Button2")->click();
    QCOMPARE(memo->toPlainText(), QString());
}

QTEST_MAIN(TFormregTest)
#include "tformreg_test.moc"
