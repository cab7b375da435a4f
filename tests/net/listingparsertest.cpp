// The listing parser on real listing lines of every style it knows, odd ones included, and the
// small pieces of protocol text around it: SYST replies, PORT arguments and CR LF lines.
#include "net/core/linebuffer.h"
#include "net/core/listingparser.h"
#include "net/core/tstarftp.h"

#include <QRandomGenerator>
#include <QTest>

using namespace net;

Q_DECLARE_METATYPE(net::TFTPServerType)

class ListingParserTest : public QObject {
    Q_OBJECT

private slots:
    void unixLines_data();
    void unixLines();
    void otherStyles_data();
    void otherStyles();
    void listingWordAndName_data();
    void listingWordAndName();
    void serverTypeFromSyst_data();
    void serverTypeFromSyst();
    void portArgument();
    void lineBufferJoinsPieces();
    void garbageNeverOverruns();
};

void ListingParserTest::unixLines_data()
{
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<bool>("parsed");
    QTest::addColumn<bool>("isDirectory");
    QTest::addColumn<QByteArray>("name");
    QTest::addColumn<QByteArray>("size");
    QTest::addColumn<QByteArray>("date");

    QTest::newRow("plain file") << QByteArray("-rw-r--r--   1 ftp  ftp    12345 Jan 01 12:00 readme.txt")
                                << true << false << QByteArray("readme.txt") << QByteArray("12345")
                                << QByteArray("Jan 01 12:00");
    QTest::newRow("symlink is a folder") << QByteArray("lrwxrwxrwx 1 root root 7 Jan 01 12:00 bin -> usr/bin")
                                         << true << true << QByteArray("bin") << QByteArray("7")
                                         << QByteArray("Jan 01 12:00");
    QTest::newRow("folder") << QByteArray("drwxr-xr-x 2 ftp ftp 512 Jan 01 12:00 pub") << true << true
                            << QByteArray("pub") << QByteArray("512") << QByteArray("Jan 01 12:00");
    QTest::newRow("total") << QByteArray("total 12") << false << false << QByteArray() << QByteArray()
                           << QByteArray();
    QTest::newRow("vsftpd numeric owner") << QByteArray("-rw-r--r--    1 0        0               6 Dec 10 10:31 a.txt")
                                          << true << false << QByteArray("a.txt") << QByteArray("6")
                                          << QByteArray("Dec 10 10:31");
    QTest::newRow("blanks in name") << QByteArray("-rw-r--r-- 1 ftp ftp 10 Mar 15  2019 my  file.txt")
                                    << true << false << QByteArray("my  file.txt") << QByteArray("10")
                                    << QByteArray("Mar 15 2019");
    QTest::newRow("year instead of time") << QByteArray("-rw-r--r-- 1 ftp ftp 42 Dec 31 1999 party.txt")
                                          << true << false << QByteArray("party.txt") << QByteArray("42")
                                          << QByteArray("Dec 31 1999");
    QTest::newRow("above 4 GB") << QByteArray("-rw-r--r-- 1 ftp ftp 5368709120 Feb 29 2020 huge.iso")
                                << true << false << QByteArray("huge.iso") << QByteArray("5368709120")
                                << QByteArray("Feb 29 2020");
    QTest::newRow("group missing") << QByteArray("-rw-r--r-- 1 ftp 12345 Jan 01 12:00 nogroup.txt")
                                   << true << false << QByteArray("nogroup.txt") << QByteArray("12345")
                                   << QByteArray("Jan 01 12:00");
    QTest::newRow("owner and group missing") << QByteArray("-rw-r--r-- 1 512 Jan  1 09:05 bare.txt")
                                             << true << false << QByteArray("bare.txt") << QByteArray("512")
                                             << QByteArray("Jan 1 09:05");
    QTest::newRow("netware brackets") << QByteArray("d [R----F--] supervisor            512       Jan 16 18:53    login")
                                      << true << true << QByteArray("login") << QByteArray("512")
                                      << QByteArray("Jan 16 18:53");
    QTest::newRow("iso date") << QByteArray("-rw-r--r-- 1 ftp ftp 100 2024-01-15 10:30 iso.txt") << true << false
                              << QByteArray("iso.txt") << QByteArray("100") << QByteArray("2024-01-15 10:30");
    QTest::newRow("symlink with blanks") << QByteArray("lrwxrwxrwx 1 root root 11 Jan 01 12:00 my link -> target dir")
                                         << true << true << QByteArray("my link") << QByteArray("11")
                                         << QByteArray("Jan 01 12:00");
    QTest::newRow("arrow in a file name") << QByteArray("-rw-r--r-- 1 a b 3 Jan 01 12:00 a->b") << true << false
                                          << QByteArray("a->b") << QByteArray("3") << QByteArray("Jan 01 12:00");
    QTest::newRow("unknown date falls back") << QByteArray("-rw-r--r-- 1 ftp ftp 12 janv. 01 12:00 fr.txt")
                                             << true << false << QByteArray("fr.txt") << QByteArray("12")
                                             << QByteArray("janv. 01 12:00");
    QTest::newRow("f is a file") << QByteArray("frw-r--r-- 1 a b 3 Jan 01 12:00 f.txt") << true << false
                                 << QByteArray("f.txt") << QByteArray("3") << QByteArray("Jan 01 12:00");
    QTest::newRow("device") << QByteArray("crw-rw-rw- 1 root root 1, 3 Jan 01 12:00 null") << false << false
                            << QByteArray() << QByteArray() << QByteArray();
    QTest::newRow("empty") << QByteArray() << false << false << QByteArray() << QByteArray() << QByteArray();
}

void ListingParserTest::unixLines()
{
    QFETCH(QByteArray, line);
    QFETCH(bool, parsed);
    ListingParser parser;
    const ListingEntry entry = parser.ParseListingLine(ftpstUNIX, line);
    QCOMPARE(entry.parsed, parsed);
    if (!parsed)
        return;
    QTEST(entry.isDirectory, "isDirectory");
    QTEST(entry.name, "name");
    QTEST(entry.size, "size");
    QTEST(entry.date, "date");
}

// A run of lines, and the entries they give as "name|d|size|date" (d: 1 for a folder).
void ListingParserTest::otherStyles_data()
{
    QTest::addColumn<TFTPServerType>("type");
    QTest::addColumn<QList<QByteArray>>("lines");
    QTest::addColumn<QStringList>("entries");

    QTest::newRow("vms name wrapped onto its own line")
        << ftpstVmsUcx << QList<QByteArray>{"LONGNAME.TXT;1", " 4/8 12-JAN-1998 10:00 [SYS] (RWED)"}
        << QStringList{"LONGNAME.TXT|0|4/8|12-JAN-1998 10:00"};
    QTest::newRow("vms folder") << ftpstVmsMultinet
                                << QList<QByteArray>{"SUBDIR.DIR;1 1/3 12-JAN-1998 10:00 [SYS] (RWE,RWE,RE,E)"}
                                << QStringList{"SUBDIR|1|1/3|12-JAN-1998 10:00"};
    QTest::newRow("vms heading and totals")
        << ftpstVmsUcx
        << QList<QByteArray>{"Directory DISK$USER:[SMITH]", "", "A.TXT;2 5/6 1-FEB-1999 09:00 [A] (R)",
                             "Total of 1 file, 5/6 blocks."}
        << QStringList{"A.TXT|0|5/6|1-FEB-1999 09:00"};
    QTest::newRow("vms carries one line over, never more")
        << ftpstVmsUcx << QList<QByteArray>{"  A;1", "  B;1", "X.TXT;1 1/2 1-JAN-2000 10:00 [A] (R)"}
        << QStringList{"X.TXT|0|1/2|1-JAN-2000 10:00"};
    QTest::newRow("vm") << ftpstVM
                        << QList<QByteArray>{"PROFILE  EXEC     V         80         17          1 12/01/98 10:00:00 SYS"}
                        << QStringList{"PROFILE.EXEC|0|80|12/01/98 10:00:00"};
    QTest::newRow("vm/vps") << ftpstVMVPS
                            << QList<QByteArray>{"A DATA 12 F 80 1 10:30 1998/01/12 -", "totals: 12 tracks",
                                                 "X = Y", "5 rf trks used", "track limit 90"}
                            << QStringList{".DATA|0|12|1998/01/12 10:30"};
    QTest::newRow("ncsa parses nothing") << ftpstNCSA
                                         << QList<QByteArray>{"-rw-r--r-- 1 ftp ftp 1 Jan 01 12:00 a.txt"}
                                         << QStringList{};
}

void ListingParserTest::otherStyles()
{
    QFETCH(TFTPServerType, type);
    QFETCH(QList<QByteArray>, lines);
    ListingParser parser;
    QStringList entries;
    for (const QByteArray &line : lines) {
        const ListingEntry entry = parser.ParseListingLine(type, line);
        if (entry.parsed)
            entries.append(QString::fromLatin1(entry.name + '|' + (entry.isDirectory ? '1' : '0') + '|'
                                               + entry.size + '|' + entry.date));
    }
    QTEST(entries, "entries");
}

void ListingParserTest::listingWordAndName_data()
{
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<int>("n");
    QTest::addColumn<QByteArray>("word");
    QTest::addColumn<QByteArray>("name");

    QTest::newRow("first word") << QByteArray("a  b c") << 0 << QByteArray("a") << QByteArray("c");
    QTest::newRow("runs of blanks") << QByteArray("a  b c") << 1 << QByteArray("b") << QByteArray("c");
    QTest::newRow("last word reads empty") << QByteArray("a  b c") << 2 << QByteArray() << QByteArray("c");
    QTest::newRow("past the end") << QByteArray("a b") << 5 << QByteArray() << QByteArray("b");
    QTest::newRow("leading blank") << QByteArray(" a b") << 0 << QByteArray() << QByteArray("b");
    QTest::newRow("link target dropped") << QByteArray("l x -> y z") << 0 << QByteArray("l") << QByteArray("x");
    QTest::newRow("trailing blanks") << QByteArray("p q  ") << 1 << QByteArray("q") << QByteArray("q");
    QTest::newRow("one word") << QByteArray("one") << 0 << QByteArray() << QByteArray("one");
    QTest::newRow("empty") << QByteArray() << 0 << QByteArray() << QByteArray();
}

void ListingParserTest::listingWordAndName()
{
    QFETCH(QByteArray, line);
    QFETCH(int, n);
    QTEST(ListingParser::ListingWord(line, n), "word");
    QTEST(ListingParser::ListingName(line), "name");
}

void ListingParserTest::serverTypeFromSyst_data()
{
    QTest::addColumn<QByteArray>("reply");
    QTest::addColumn<TFTPServerType>("type");

    QTest::newRow("unix") << QByteArray("215 UNIX Type: L8") << ftpstUNIX;
    QTest::newRow("refused") << QByteArray("502 UNIX not here") << ftpstDefault;
    QTest::newRow("windows") << QByteArray("215 Windows_NT") << ftpstDefault;
    QTest::newRow("ultrix") << QByteArray("215 ULTRIX") << ftpstULTRIX;
    QTest::newRow("later match wins") << QByteArray("215 UNIX emulated by NCSA") << ftpstNCSA;
    QTest::newRow("vms multinet") << QByteArray("215 VMS MultiNet V4.3") << ftpstVmsMultinet;
    QTest::newRow("vms ucx") << QByteArray("215 vms") << ftpstVmsUcx;
    QTest::newRow("vm") << QByteArray("215 VM/CMS Level 10") << ftpstVM;
    QTest::newRow("vm/vps") << QByteArray("215 VM/VPS") << ftpstVMVPS;
    QTest::newRow("short reply") << QByteArray("215") << ftpstDefault;
}

void ListingParserTest::serverTypeFromSyst()
{
    QFETCH(QByteArray, reply);
    QTEST(TStarFtp::ServerTypeFromSyst(reply), "type");
}

void ListingParserTest::portArgument()
{
    QCOMPARE(TStarFtp::PortArgument(QStringLiteral("192.168.0.5"), 1030), QByteArray("192,168,0,5,4,6"));
    QCOMPARE(TStarFtp::PortArgument(QStringLiteral("127.0.0.1"), 65535), QByteArray("127,0,0,1,255,255"));
}

void ListingParserTest::lineBufferJoinsPieces()
{
    LineBuffer buffer;
    QByteArray line;
    buffer.append("220 a\r", 6);
    QVERIFY(!buffer.takeLine(line));
    buffer.append("\n220 b\rc\r\n\r\ntail", 16);
    QStringList lines;
    while (buffer.takeLine(line))
        lines.append(QString::fromLatin1(line));
    QCOMPARE(lines, (QStringList{"220 a", "220 b\rc", ""}));
    QCOMPARE(buffer.pendingSize(), 4);
}

// Random bytes through every listing style: nothing may crash or read outside the line (the
// sanitizer build watches), and a name is never longer than what it came from.
void ListingParserTest::garbageNeverOverruns()
{
    QRandomGenerator random(20240601);
    ListingParser parser;
    for (int round = 0; round < 3000; ++round) {
        QByteArray line(int(random.bounded(200)), Qt::Uninitialized);
        for (char &c : line)
            c = "-dlf ;.[]>0123456789JanDIR\xff\x01"[random.bounded(29)];
        const auto type = TFTPServerType(random.bounded(16));
        const ListingEntry entry = parser.ParseListingLine(type, line);
        if (type != ftpstVmsUcx && type != ftpstVmsMultinet)
            QVERIFY(entry.name.size() <= line.size() + 1);
    }
}

QTEST_GUILESS_MAIN(ListingParserTest)
#include "listingparsertest.moc"
