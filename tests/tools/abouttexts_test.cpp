// The system-information texts without a window: what the system files say, the label texts
// built from it, and memory amounts in two locales.
#include "platform/systemfacts.h"
#include "tools/core/abouttexts.h"

#include <QSysInfo>
#include <QTest>

#include <sys/resource.h>
#include <unistd.h>

class AboutTextsTest : public QObject {
    Q_OBJECT

private slots:
    void readsKernelRelease_data();
    void readsKernelRelease();
    void readsSystemFiles();
    void formatsKilobytes_data();
    void formatsKilobytes();
    void buildsLabelTexts();
    void readsThisMachine();
};

namespace {

QString textOf(const QList<tools::LabelText> &texts, const QString &name)
{
    for (const tools::LabelText &text : texts) {
        if (text.name == name)
            return text.text;
    }
    return QStringLiteral("<none>");
}

} // namespace

void AboutTextsTest::readsKernelRelease_data()
{
    QTest::addColumn<QByteArray>("release");
    QTest::addColumn<QString>("version");
    QTest::newRow("debian") << QByteArray("6.1.0-18-amd64") << "Version 6.01";
    QTest::newRow("two digits") << QByteArray("5.15.90.1-microsoft-standard-WSL2") << "Version 5.15";
    QTest::newRow("minor on two digits") << QByteArray("4.0") << "Version 4.00";
    QTest::newRow("major only") << QByteArray("7") << "Version 7.00";
    QTest::newRow("not a release") << QByteArray("abc") << "Version 0.00";
    QTest::newRow("absurd number") << QByteArray("99999999999999.1") << "Version 0.00";
}

void AboutTextsTest::readsKernelRelease()
{
    QFETCH(QByteArray, release);
    QTEST(tools::versionText(platform::parseKernelRelease(release)), "version");
}

void AboutTextsTest::readsSystemFiles()
{
    const platform::MemoryStatus memory = platform::parseMeminfo(
        "MemTotal:       65536 kB\nMemFree:          1000 kB\nMemAvailable:   16384 kB\nBuffers: 12 kB\n");
    QCOMPARE(memory.totalPhysical, quint64(65536) * 1024);
    QCOMPARE(memory.availablePhysical, quint64(16384) * 1024);
    QCOMPARE(memory.load, 75);
    const platform::MemoryStatus old = platform::parseMeminfo("MemTotal: 1000 kB\nMemFree: 250 kB\n");
    QCOMPARE(old.availablePhysical, quint64(250) * 1024);
    QCOMPARE(old.load, 75);
    const platform::MemoryStatus damaged = platform::parseMeminfo("MemTotal: lots\nMemAvailable: 99999999999999999999 kB");
    QCOMPARE(damaged.totalPhysical, quint64(0));
    QCOMPARE(damaged.load, 0);

    const platform::ProcessorInfo x86 = platform::parseCpuinfo(
        "processor\t: 0\nvendor_id\t: GenuineIntel\nmodel name\t: Intel(R) Xeon(R) CPU @ 2.20GHz\n"
        "flags\t\t: fpu vme de pse\n\nprocessor\t: 1\nmodel name\t: Other\nflags\t\t: vme\n");
    QCOMPARE(x86.name, QStringLiteral("Intel(R) Xeon(R) CPU @ 2.20GHz"));
    QVERIFY(x86.hasFpu);
    QVERIFY(!platform::parseCpuinfo("model name : X\nflags : vme fpu_exception de\n").hasFpu);
    const platform::ProcessorInfo arm = platform::parseCpuinfo("processor : 0\nFeatures : half thumb vfpv3 edsp\n");
    QVERIFY(arm.name.isEmpty());
    QVERIFY(arm.hasFpu);

    QCOMPARE(platform::parseOsRelease("NAME=\"Debian GNU/Linux\"\nPRETTY_NAME=\"Debian GNU/Linux 12 (bookworm)\"\n"),
             QStringLiteral("Debian GNU/Linux 12 (bookworm)"));
    QCOMPARE(platform::parseOsRelease("ID=alpine\nNAME=Alpine\n"), QStringLiteral("Alpine"));
    QCOMPARE(platform::parseOsRelease(""), QString());
}

void AboutTextsTest::formatsKilobytes_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<quint64>("bytes");
    QTest::addColumn<QString>("text");
    const QLocale french(QLocale::French, QLocale::France);
    QTest::newRow("english") << QLocale(QLocale::English, QLocale::UnitedStates) << quint64(65536) * 1024 << "65,536 KB";
    QTest::newRow("french") << french << quint64(65536) * 1024 << "65" + french.groupSeparator() + "536 KB";
    QTest::newRow("german") << QLocale(QLocale::German, QLocale::Germany) << quint64(65536) * 1024 << "65.536 KB";
    QTest::newRow("C groups too") << QLocale::c() << quint64(65536) * 1024 << "65,536 KB";
    QTest::newRow("bytes cut to whole KB") << QLocale::c() << quint64(2047) << "1 KB";
    QTest::newRow("nothing") << QLocale::c() << quint64(0) << "0 KB";
    QTest::newRow("terabytes") << QLocale::c() << (quint64(1) << 47) << "137,438,953,472 KB";
}

void AboutTextsTest::formatsKilobytes()
{
    QFETCH(QLocale, locale);
    QFETCH(quint64, bytes);
    QTEST(tools::kilobytesText(bytes, locale), "text");
}

void AboutTextsTest::buildsLabelTexts()
{
    tools::AboutFacts facts;
    facts.version = {4, 0};
    facts.platformName = QStringLiteral("Debian GNU/Linux 12 (bookworm)");
    facts.userName = QStringLiteral("Marie Curie");
    facts.processor = {QStringLiteral("Pentium"), true};
    facts.processorCount = 2;
    const QList<tools::LabelText> created = tools::creationTexts(facts);
    QCOMPARE(textOf(created, "lblWinVersion"), QStringLiteral("Windows Version               :  Version 4.00"));
    QCOMPARE(textOf(created, "lblWinPlatForm"),
             QStringLiteral("Windows Platform              :  Debian GNU/Linux 12 (bookworm)"));
    QCOMPARE(textOf(created, "lblCPUType"), QStringLiteral("CPU Type                           :  Pentium CPU and FPU"));
    QCOMPARE(textOf(created, "lblCPUNum"), QStringLiteral("Number of CPUs                 :  2"));
    QCOMPARE(textOf(created, "lblUserName"), QStringLiteral("User Name                         :  Marie Curie"));
    QCOMPARE(textOf(created, "lblCompanyName"), QStringLiteral("Company Name                  :  "));
    // No serial number here: that label keeps its designed caption.
    QCOMPARE(textOf(created, "lblWinSerialNum"), QStringLiteral("<none>"));

    const QList<tools::LabelText> unknown = tools::creationTexts(tools::AboutFacts{});
    QCOMPARE(textOf(unknown, "lblWinPlatForm"), QStringLiteral("Windows Platform              :  Unknown"));
    QCOMPARE(textOf(unknown, "lblCPUType"), QStringLiteral("CPU Type                           :  Unknown CPU, no FPU"));

    platform::MemoryStatus memory;
    memory.totalPhysical = quint64(65536) * 1024;
    memory.availablePhysical = quint64(16384) * 1024;
    memory.totalVirtual = quint64(2) << 30;
    memory.availableVirtual = quint64(1) << 30;
    memory.load = 75;
    const QList<tools::LabelText> memoryTexts = tools::memoryTexts(memory, QLocale(QLocale::English, QLocale::UnitedStates));
    QCOMPARE(textOf(memoryTexts, "lblTotalPhysMem"), QStringLiteral("Total Physical Memory       :  65,536 KB"));
    QCOMPARE(textOf(memoryTexts, "lblAvailPhysMem"), QStringLiteral("Available Physical Memory :  16,384 KB"));
    QCOMPARE(textOf(memoryTexts, "lblTotalVirtMem"), QStringLiteral("Total Virtual Memory           :  2,097,152 KB"));
    QCOMPARE(textOf(memoryTexts, "lblAvailVirtMem"), QStringLiteral("Available Virtual Memory     :  1,048,576 KB"));
    QCOMPARE(textOf(memoryTexts, "lblMemLoad"), QStringLiteral("Memory Load                      :  75% Load"));

    // Every text the window sets begins with its label's designed caption.
    const QList<tools::LabelText> captions = tools::designedCaptions();
    QCOMPARE(captions.size(), 12);
    QCOMPARE(textOf(captions, "lblWinSerialNum"), QStringLiteral("Windows Serial Number     :"));
    for (const tools::LabelText &text : created + memoryTexts)
        QVERIFY2(text.text.startsWith(textOf(captions, text.name)), qPrintable(text.name));
}

void AboutTextsTest::readsThisMachine()
{
    const platform::MemoryStatus memory = platform::memoryStatus();
    QCOMPARE(memory.totalPhysical, quint64(sysconf(_SC_PHYS_PAGES)) * quint64(sysconf(_SC_PAGESIZE)));
    QVERIFY(memory.availablePhysical > 0 && memory.availablePhysical <= memory.totalPhysical);
    QVERIFY(memory.load >= 0 && memory.load <= 100);
    QVERIFY(memory.availableVirtual > 0 && memory.availableVirtual < memory.totalVirtual);
    // Without a limit, the whole user address space: a power of two.
    rlimit limit{};
    if (getrlimit(RLIMIT_AS, &limit) == 0 && limit.rlim_cur == RLIM_INFINITY)
        QCOMPARE(memory.totalVirtual & (memory.totalVirtual - 1), quint64(0));

    const platform::KernelVersion version = platform::kernelVersion();
    const QStringList release = QSysInfo::kernelVersion().split(QLatin1Char('.'));
    QCOMPARE(version.major, release.value(0).toInt());
    QCOMPARE(version.minor, release.value(1).section(QLatin1Char('-'), 0, 0).toInt());
    QVERIFY(platform::processorCount() >= 1);
    QVERIFY(!platform::userFullName().isEmpty());
}

QTEST_APPLESS_MAIN(AboutTextsTest)
#include "abouttexts_test.moc"
