// The registry-style store: every value type through its file, names without regard to case,
// damaged files, writers killed or running side by side, and hive files written by Wine.
#include "platform/registryreader.h"
#include "platform/registrystore.h"
#include "platform/registrywine.h"
#include "platform/registrywriter.h"
#include "support/temptree.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRandomGenerator>
#include <QSet>

#include <gtest/gtest.h>

#include <sys/stat.h>

using platform::RegistryKey;
using platform::RegistryReadReport;
using platform::RegistryStore;
using platform::RegistryValue;
using testing_support::TempTree;

namespace {

const QString kRoot = QStringLiteral("HKEY_CURRENT_USER");

QByteArray readBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QByteArray allByteValues()
{
    QByteArray bytes;
    for (int i = 0; i < 256; ++i)
        bytes.append(char(i));
    return bytes;
}

struct NamedValue {
    QString name;
    RegistryValue value;
};

QList<NamedValue> everyKindOfValue()
{
    return {
        {"plain", RegistryValue::string("abc")},
        {"quotes", RegistryValue::string(R"(say "hi" C:\dir\)")},
        {"accents", RegistryValue::string(QString::fromUtf8("été – €, \xF0\x9F\x98\x80"))},
        {"lines", RegistryValue::string("one\r\ntwo\nthree\rfour")},
        {"zero", RegistryValue::string(QString::fromLatin1("a\0b", 3))},
        {"tab", RegistryValue::string("a\tb")},
        {"empty", RegistryValue::string("")},
        {"", RegistryValue::string("unnamed")},
        {"expand", RegistryValue::expandString("%HOME%\\bin")},
        {"multi", RegistryValue::multiString({"a", "b c", QString::fromUtf8("é\"\\")})},
        {"dword0", RegistryValue::dword(0)},
        {"dwordmax", RegistryValue::dword(0xFFFFFFFF)},
        {"binempty", RegistryValue::binary({})},
        {"binall", RegistryValue::binary(allByteValues())},
        {"qword", RegistryValue::raw(11, QByteArray("\x01\x02\x03\x04\x05\x06\x07\x08", 8))},
        {"none", RegistryValue::raw(0, {})},
    };
}

// The names of every key (as paths) and value (as path:name) below \a key.
void collectNames(const RegistryKey &key, const QString &path, QSet<QString> &names)
{
    for (const QString &value : key.valueNames())
        names.insert(path + ':' + value);
    for (const QString &sub : key.subkeyNames()) {
        names.insert(path + '\\' + sub);
        collectNames(*key.subkey(sub), path + '\\' + sub, names);
    }
}

QSet<QString> namesOf(const RegistryKey &key)
{
    QSet<QString> names;
    collectNames(key, QString(), names);
    return names;
}

TEST(RegistryStore, EveryValueTypeSurvivesTheFile)
{
    TempTree tree;
    const QString path = tree.path("vorlane/user.reg");
    RegistryStore writer(path, kRoot);
    ASSERT_TRUE(writer.update([](RegistryKey &root) {
        RegistryKey *key = root.createKey("Software\\Test");
        for (const NamedValue &v : everyKindOfValue())
            key->setValue(v.name, v.value);
    })) << qPrintable(writer.errorString());

    RegistryReadReport report;
    const RegistryKey root = RegistryStore(path, kRoot).read(&report);
    EXPECT_FALSE(report.damaged());
    EXPECT_EQ(report.format, platform::RegistryFileFormat::Regedit4);
    const RegistryKey *key = root.findKey("Software\\Test");
    ASSERT_NE(key, nullptr);
    EXPECT_EQ(key->valueCount(), everyKindOfValue().size());
    for (const NamedValue &v : everyKindOfValue()) {
        const RegistryValue *read = key->value(v.name);
        ASSERT_NE(read, nullptr) << qPrintable(v.name);
        EXPECT_TRUE(*read == v.value) << qPrintable(v.name);
    }

    // The file is a registry export any editor of them would take.
    const QByteArray text = readBytes(path);
    EXPECT_TRUE(text.startsWith("REGEDIT4\n"));
    EXPECT_TRUE(text.contains("\n[HKEY_CURRENT_USER\\Software\\Test]\n"));
    EXPECT_TRUE(text.contains("\n\"plain\"=\"abc\"\n"));
    EXPECT_TRUE(text.contains(R"("quotes"="say \"hi\" C:\\dir\\")"));
    EXPECT_TRUE(text.contains("\n@=\"unnamed\"\n"));
    EXPECT_TRUE(text.contains("\n\"dwordmax\"=dword:ffffffff\n"));
    EXPECT_TRUE(text.contains("\n\"dword0\"=dword:00000000\n"));
    EXPECT_TRUE(text.contains("\n\"binall\"=hex:00,01,02,"));
    EXPECT_TRUE(text.contains("\n\"qword\"=hex(b):01,02,03,04,05,06,07,08\n"));
    EXPECT_TRUE(text.contains("\n\"multi\"=hex(7):61,00,62,20,63,00,"));
    for (const QByteArray &line : text.split('\n'))
        EXPECT_LE(line.size(), 80) << line.constData();
    EXPECT_EQ(QFileInfo(path).permissions() & (QFile::ReadGroup | QFile::ReadOther), 0);
}

TEST(RegistryStore, NamesIgnoreCaseAndKeepTheirFirstCase)
{
    RegistryKey root(kRoot);
    root.createKey("Software\\Kestralune")->setValue("Lecteur", RegistryValue::string("a"));
    root.createKey("SOFTWARE\\KESTRALUNE\\Sub");
    ASSERT_TRUE(root.findKey("software\\kestralune")->setValue("LECTEUR",
                                                               RegistryValue::string("b")));
    root.createSubkey("beta");
    root.createSubkey("Alpha");

    RegistryReadReport report;
    RegistryKey back(kRoot);
    report = platform::readRegistryText(writeRegedit4(root, kRoot) +
                                            "\n[hkey_current_user\\SOFTWARE\\kestralune]\n"
                                            "\"lecteur\"=\"c\"\n",
                                        kRoot, back);
    EXPECT_FALSE(report.damaged());
    for (const RegistryKey *key : {&root, &back}) {
        EXPECT_EQ(key->subkeyNames(), QStringList({"Alpha", "beta", "Software"}));
        const RegistryKey *program = key->findKey("\\SOFTWARE\\kestralune");
        ASSERT_NE(program, nullptr);
        EXPECT_EQ(program->name(), "Kestralune");
        EXPECT_EQ(program->valueNames(), QStringList({"Lecteur"}));
        EXPECT_EQ(program->subkeyNames(), QStringList({"Sub"}));
    }
    EXPECT_EQ(root.findKey("software\\kestralune")->value("lecteur")->text(), "b");
    EXPECT_EQ(back.findKey("software\\kestralune")->value("LeCtEuR")->text(), "c");
    EXPECT_EQ(root.createSubkey("a\\b"), nullptr);
    EXPECT_FALSE(root.setValue("new\nline", RegistryValue::string("x")));
}

struct DamagedCase {
    const char *what;
    QByteArray bytes;
};

// Each file holds "[HKEY_CURRENT_USER\S]" "a"="1" that must still be read.
const QList<DamagedCase> &damagedCases()
{
    static const QByteArray good = "[HKEY_CURRENT_USER\\S]\n\"a\"=\"1\"\n";
    static const QList<DamagedCase> cases = {
        {"no first line", good},
        {"a line of nonsense", "REGEDIT4\n" + good + "this is not a line\n"},
        {"unterminated string", "REGEDIT4\n" + good + "\"b\"=\"oops\n"},
        {"dword not hexadecimal", "REGEDIT4\n" + good + "\"b\"=dword:xyz\n"},
        {"dword too long", "REGEDIT4\n" + good + "\"b\"=dword:123456789\n"},
        {"bad hex byte", "REGEDIT4\n" + good + "\"b\"=hex:0g,11\n"},
        {"hex byte too long", "REGEDIT4\n" + good + "\"b\"=hex:123\n"},
        {"hex continued past the end", "REGEDIT4\n" + good + "\"b\"=hex:01,\\\n"},
        {"hex(4) of three bytes", "REGEDIT4\n" + good + "\"b\"=hex(4):01,02,03\n"},
        {"type number not hexadecimal", "REGEDIT4\n" + good + "\"b\"=hex(z):01\n"},
        {"nothing after =", "REGEDIT4\n" + good + "\"b\"=\n"},
        {"text after a string", "REGEDIT4\n" + good + "\"b\"=\"x\" y\n"},
        {"value before any key", "REGEDIT4\n\"b\"=\"x\"\n" + good},
        {"another root key", "REGEDIT4\n[HKEY_LOCAL_MACHINE\\X]\n\"b\"=\"x\"\n" + good},
        {"key without its bracket", "REGEDIT4\n" + good + "[HKEY_CURRENT_USER\\T\n"},
        {"control character in a key", "REGEDIT4\n" + good + "[HKEY_CURRENT_USER\\T\x01]\n"},
        {"a comment added by hand", "REGEDIT4\n; the fonts I like\n" + good},
        {"binary junk", "REGEDIT4\n" + good + QByteArray("\x00\xff\xfe\x01[\"=\x80\n", 10)},
        {"nesting deeper than the registry allows",
         "REGEDIT4\n" + good + "[HKEY_CURRENT_USER" + QByteArray("\\k").repeated(600) + "]\n"},
    };
    return cases;
}

TEST(RegistryStore, DamagedFileIsReadAsFarAsItGoesAndKeptAside)
{
    for (const DamagedCase &c : damagedCases()) {
        SCOPED_TRACE(c.what);
        TempTree tree;
        const QString path = tree.write("user.reg", c.bytes);
        RegistryStore store(path, kRoot);
        RegistryReadReport report;
        const RegistryKey root = store.read(&report);
        EXPECT_TRUE(report.damaged());
        ASSERT_NE(root.findKey("S"), nullptr);
        ASSERT_NE(root.findKey("S")->value("a"), nullptr);
        EXPECT_EQ(root.findKey("S")->value("a")->text(), "1");

        ASSERT_TRUE(store.update([](RegistryKey &r) {
            r.createKey("S")->setValue("new", RegistryValue::dword(7));
        })) << qPrintable(store.errorString());
        EXPECT_EQ(readBytes(path + ".damaged"), c.bytes);
        const RegistryKey after = store.read(&report);
        EXPECT_FALSE(report.damaged());
        EXPECT_EQ(after.findKey("S")->value("a")->text(), "1");
        EXPECT_EQ(after.findKey("S")->value("new")->number(), 7u);

        // A clean file is rewritten without another copy; a new damage gets a new name.
        ASSERT_TRUE(store.update([](RegistryKey &) {}));
        EXPECT_FALSE(QFileInfo::exists(path + ".damaged.2"));
        tree.write("user.reg", c.bytes);
        ASSERT_TRUE(store.update([](RegistryKey &) {}));
        EXPECT_EQ(readBytes(path + ".damaged"), c.bytes);
        EXPECT_EQ(readBytes(path + ".damaged.2"), c.bytes);
    }
}

TEST(RegistryStore, CutOrGarbledFileNeverGivesMoreThanItHeld)
{
    RegistryKey original(kRoot);
    RegistryKey *key = original.createKey("Software\\Test");
    for (const NamedValue &v : everyKindOfValue())
        key->setValue(v.name, v.value);
    original.createKey("Other\\Deeper")->setValue("x", RegistryValue::dword(1));
    const QByteArray text = writeRegedit4(original, kRoot);
    const QSet<QString> names = namesOf(original);

    for (qsizetype cut = 0; cut < text.size(); ++cut) {
        RegistryKey root(kRoot);
        platform::readRegistryText(text.left(cut), kRoot, root);
        EXPECT_TRUE(names.contains(namesOf(root))) << "cut at " << cut;
    }

    // Whatever is read from a garbled file can be written and read back cleanly.
    QRandomGenerator random(20240611);
    for (int round = 0; round < 300; ++round) {
        QByteArray garbled = text;
        for (int n = 0; n < 8; ++n)
            garbled[random.bounded(int(garbled.size()))] = char(random.bounded(256));
        RegistryKey root(kRoot);
        platform::readRegistryText(garbled, kRoot, root);
        RegistryKey again(kRoot);
        const RegistryReadReport report =
            platform::readRegistryText(writeRegedit4(root, kRoot), kRoot, again);
        EXPECT_FALSE(report.damaged()) << "round " << round;
        EXPECT_EQ(namesOf(again), namesOf(root)) << "round " << round;
    }
}

TEST(RegistryStore, SomethingThatIsNotAFileIsNeitherReadNorLost)
{
    TempTree tree;
    const QString path = tree.path("user.reg");
    ASSERT_EQ(mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    RegistryStore store(path, kRoot);
    RegistryReadReport report;
    store.read(&report); // returns at once: a FIFO is never opened for reading
    EXPECT_TRUE(report.unreadable);
    ASSERT_TRUE(store.update([](RegistryKey &r) { r.createKey("S"); }));
    EXPECT_TRUE(QFileInfo(path + ".damaged").exists());
    EXPECT_FALSE(QFileInfo(path + ".damaged").isFile());
    EXPECT_NE(store.read().findKey("S"), nullptr);

    // A folder in the way: the write fails and says so.
    const QString folder = tree.mkdir("folder.reg");
    RegistryStore blocked(folder, kRoot);
    EXPECT_FALSE(blocked.update([](RegistryKey &r) { r.createKey("S"); }));
    EXPECT_FALSE(blocked.errorString().isEmpty());
    EXPECT_TRUE(QFileInfo(folder).isDir());
}

TEST(RegistryStore, StoreFileThatIsALinkIsRewrittenWhereItPoints)
{
    TempTree tree;
    const QString target = tree.write("dotfiles/user.reg", "REGEDIT4\n");
    tree.mkdir("config");
    const QString link = tree.path("config/user.reg");
    ASSERT_TRUE(QFile::link(target, link));
    RegistryStore store(link, kRoot);
    ASSERT_TRUE(store.update([](RegistryKey &r) { r.createKey("S"); }));
    EXPECT_TRUE(QFileInfo(link).isSymLink());
    RegistryKey root(kRoot);
    platform::readRegistryFile(target, kRoot, root);
    EXPECT_NE(root.findKey("S"), nullptr);
}

// Waits for the line "begin N" or "done N" from a writer process; false on time-out or exit.
bool waitForLine(QProcess &process, const QByteArray &line)
{
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < 120000) {
        while (process.canReadLine()) {
            if (process.readLine().trimmed() == line)
                return true;
        }
        if (process.state() == QProcess::NotRunning)
            return false;
        process.waitForReadyRead(1000);
    }
    return false;
}

// The last "begin N" a writer printed: the change it was making when it stopped.
int lastBegun(QProcess &process)
{
    int last = -1;
    for (const QByteArray &line : process.readAllStandardOutput().split('\n')) {
        if (line.startsWith("begin "))
            last = line.mid(6).toInt();
    }
    return last;
}

TEST(RegistryStore, WriterKilledMidWriteLeavesTheOldFileWhole)
{
    // The writer is killed while its temporary file exists, between its creation and the
    // rename. That moment is short: a writer that got past it is tried again.
    bool caught = false;
    for (int attempt = 0; attempt < 5 && !caught; ++attempt) {
        TempTree tree;
        const QString path = tree.path("user.reg");
        const QString temporary = path + ".new";
        QProcess writer;
        writer.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        // A 2 MB value makes each rewrite long enough to be caught in the middle.
        writer.start(REGISTRY_WRITER, {path, "K", "1000", "2000000"});
        ASSERT_TRUE(writer.waitForStarted());
        ASSERT_TRUE(waitForLine(writer, "done 2"));
        QElapsedTimer timer;
        timer.start();
        while (!QFileInfo::exists(temporary) && timer.elapsed() < 60000) {
        }
        writer.kill();
        ASSERT_TRUE(writer.waitForFinished());
        if (!QFileInfo::exists(temporary))
            continue;
        caught = true;
        const int interrupted = lastBegun(writer);
        ASSERT_GE(interrupted, 3);

        RegistryStore store(path, kRoot);
        RegistryReadReport report;
        const RegistryKey root = store.read(&report);
        EXPECT_FALSE(report.damaged());
        const RegistryKey *key = root.findKey("Writers\\K");
        ASSERT_NE(key, nullptr);
        // Every change before the interrupted one, whole, and nothing of that one.
        EXPECT_EQ(key->valueCount(), interrupted + 1); // the changes and the padding
        EXPECT_NE(key->value(QString::number(interrupted - 1)), nullptr);
        EXPECT_EQ(key->value(QString::number(interrupted)), nullptr);
        EXPECT_EQ(key->value("padding")->bytes().size(), 2000000);

        // The lock and the temporary file of the dead writer do not stand in the way.
        ASSERT_TRUE(store.update([](RegistryKey &r) { r.createKey("After"); }))
            << qPrintable(store.errorString());
        EXPECT_NE(store.read().findKey("After"), nullptr);
        EXPECT_FALSE(QFileInfo::exists(temporary));
        EXPECT_FALSE(QFileInfo::exists(path + ".damaged"));
    }
    EXPECT_TRUE(caught);
}

TEST(RegistryStore, ConcurrentWritersLoseNothing)
{
    TempTree tree;
    const QString path = tree.path("vorlane/user.reg");
    constexpr int kChanges = 150;
    QProcess a;
    QProcess b;
    for (QProcess *p : {&a, &b})
        p->setProcessChannelMode(QProcess::ForwardedErrorChannel);
    a.start(REGISTRY_WRITER, {path, "A", QString::number(kChanges)});
    b.start(REGISTRY_WRITER, {path, "B", QString::number(kChanges)});
    ASSERT_TRUE(a.waitForStarted());
    ASSERT_TRUE(b.waitForStarted());

    // A reader never sees half a file, whatever the writers are doing: each read holds at
    // least as many changes as the one before.
    RegistryStore reader(path, kRoot);
    auto changesIn = [](const RegistryKey &root) {
        const RegistryKey *keyA = root.findKey("Writers\\A");
        const RegistryKey *keyB = root.findKey("Writers\\B");
        return (keyA ? keyA->valueCount() : 0) + (keyB ? keyB->valueCount() : 0);
    };
    QElapsedTimer timer;
    timer.start();
    int reads = 0;
    qsizetype seen = 0;
    while ((a.state() != QProcess::NotRunning || b.state() != QProcess::NotRunning)
           && timer.elapsed() < 120000) {
        RegistryReadReport report;
        const qsizetype now = changesIn(reader.read(&report));
        EXPECT_FALSE(report.damaged());
        EXPECT_GE(now, seen);
        seen = now;
        ++reads;
        a.waitForFinished(5);
        b.waitForFinished(5);
    }
    EXPECT_GT(reads, 0);
    for (QProcess *p : {&a, &b}) {
        ASSERT_TRUE(p->state() == QProcess::NotRunning || p->waitForFinished());
        EXPECT_EQ(p->exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(p->exitCode(), 0);
    }

    RegistryReadReport report;
    const RegistryKey root = reader.read(&report);
    EXPECT_FALSE(report.damaged());
    for (const char *tag : {"A", "B"}) {
        const RegistryKey *key = root.findKey(QStringLiteral("Writers\\") + tag);
        ASSERT_NE(key, nullptr) << tag;
        EXPECT_EQ(key->valueCount(), kChanges) << tag;
        for (int i = 0; i < kChanges; ++i) {
            const RegistryValue *value = key->value(QString::number(i));
            ASSERT_NE(value, nullptr) << tag << i;
            EXPECT_EQ(value->number(), quint32(i));
        }
    }
}

// system.reg as Wine writes it: relative paths, time stamps, C escapes, UTF-16 hex strings.
const QByteArray kWineSystemReg = R"(WINE REGISTRY Version 2
;; All keys relative to \\Machine

#arch=win32

[Software\\Microsoft\\Windows NT\\CurrentVersion] 1700000000
#time=1da1234567890ab
"CurrentVersion"="6.1"
"SystemRoot"="C:\\windows"
"Path"=str(2):"%SystemRoot%\\system32;%SystemRoot%"
"Escapes"="say \"hi\"\n\x263a\t\101"
"Multi"=str(7):"one\0two\0"
"Wide"=hex(2):25,00,41,00,25,00,00,00
"WideMulti"=hex(7):61,00,00,00,e9,00,00,00,00,00
"InstallDate"=dword:4b1a2c3d
"DigitalProductId"=hex:a4,00,00,00,03,00,00,00,30,30,30,30,30,2d,4f,45,4d,2d,\
  38,39,39,32
"Big"=hex(b):01,00,00,00,00,00,00,00
@="default"

[Software\\Wine\\Fonts\\Brackets\[1\]] 1700000001
#time=1da1234567890ac
"\x263a name"="smile"
)";

TEST(RegistryStore, WineHivesAreRead)
{
    TempTree tree;
    tree.write("prefix/system.reg", kWineSystemReg);
    qputenv("WINEPREFIX", QFile::encodeName(tree.path("prefix")));
    EXPECT_EQ(platform::wineHivePath(platform::WineHive::Machine), tree.path("prefix/system.reg"));
    RegistryReadReport report;
    const std::optional<RegistryKey> machine =
        platform::readWineHive(platform::WineHive::Machine, &report);
    const std::optional<RegistryKey> user = platform::readWineHive(platform::WineHive::User);
    qunsetenv("WINEPREFIX");
    EXPECT_EQ(platform::winePrefixPath(), QDir::homePath() + "/.wine");

    EXPECT_FALSE(user.has_value());
    ASSERT_TRUE(machine.has_value());
    EXPECT_EQ(machine->name(), "HKEY_LOCAL_MACHINE");
    EXPECT_EQ(report.format, platform::RegistryFileFormat::Wine);
    EXPECT_FALSE(report.damaged());
    const RegistryKey *version =
        machine->findKey("SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion");
    ASSERT_NE(version, nullptr);
    EXPECT_EQ(version->valueCount(), 11);
    auto value = [version](const char *name) {
        const RegistryValue *v = version->value(name);
        return v ? *v : RegistryValue::raw(0, "missing");
    };
    EXPECT_TRUE(value("CurrentVersion") == RegistryValue::string("6.1"));
    EXPECT_TRUE(value("SystemRoot") == RegistryValue::string("C:\\windows"));
    EXPECT_TRUE(value("Path")
                == RegistryValue::expandString("%SystemRoot%\\system32;%SystemRoot%"));
    EXPECT_TRUE(value("Escapes")
                == RegistryValue::string(QString::fromUtf8("say \"hi\"\n\u263a\tA")));
    EXPECT_TRUE(value("Multi") == RegistryValue::multiString({"one", "two"}));
    EXPECT_TRUE(value("Wide") == RegistryValue::expandString("%A%"));
    EXPECT_TRUE(value("WideMulti") == RegistryValue::multiString({"a", QString::fromUtf8("é")}));
    EXPECT_TRUE(value("InstallDate") == RegistryValue::dword(0x4b1a2c3d));
    EXPECT_EQ(value("DigitalProductId").bytes(),
              QByteArray::fromHex("a40000000300000030303030302d4f454d2d38393932"));
    EXPECT_EQ(value("Big").typeNumber(), 11u);
    EXPECT_EQ(value("Big").bytes(), QByteArray("\x01\0\0\0\0\0\0\0", 8));
    EXPECT_TRUE(value("") == RegistryValue::string("default"));
    const RegistryKey *brackets = machine->findKey("Software\\Wine\\Fonts\\Brackets[1]");
    ASSERT_NE(brackets, nullptr);
    EXPECT_EQ(brackets->valueNames(), QStringList({QString::fromUtf8("\u263a name")}));
}

TEST(RegistryStore, WindowsExportInUtf16IsRead)
{
    const QString text = "Windows Registry Editor Version 5.00\r\n\r\n"
                         "[HKEY_CURRENT_USER\\Software\\Été]\r\n"
                         "\"Name\"=\"Clé\"\r\n"
                         "\"Expand\"=hex(2):25,00,e9,00,00,00\r\n";
    QByteArray bytes("\xff\xfe");
    for (const QChar c : text) {
        bytes.append(char(c.unicode() & 0xFF));
        bytes.append(char(c.unicode() >> 8));
    }
    RegistryKey root(kRoot);
    const RegistryReadReport report = platform::readRegistryText(bytes, kRoot, root);
    EXPECT_EQ(report.format, platform::RegistryFileFormat::Regedit5);
    EXPECT_FALSE(report.damaged());
    const RegistryKey *key = root.findKey(QString::fromUtf8("software\\été"));
    ASSERT_NE(key, nullptr);
    EXPECT_EQ(key->value("name")->text(), QString::fromUtf8("Clé"));
    EXPECT_TRUE(*key->value("expand") == RegistryValue::expandString(QString::fromUtf8("%é")));
}

} // namespace
