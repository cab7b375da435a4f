// Text files in and out of the editor: pieces decoded without cutting characters or CR LF,
// files loaded and saved back byte for byte, files that cannot be read, rich text with the
// marks (read back by unrtf), the dialogs' filters and the stored colours.
#include "editor/core/colorref.h"
#include "editor/core/filefilters.h"
#include "editor/core/rtfwriter.h"
#include "editor/core/textdocument.h"
#include "editor/core/textchunkdecoder.h"
#include "editor/core/textfile.h"
#include "platform/textcodec.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QProcess>
#include <QTemporaryDir>

#include <sys/stat.h>

namespace {

constexpr qsizetype Piece = 1 << 20; // the size the editor reads a file in

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeAll(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    ASSERT_EQ(file.write(bytes), bytes.size());
}

TEST(DecodeText, Utf8WithWindows1252ForTheRest)
{
    const QList<QPair<QByteArray, QString>> cases = {
        {QByteArray("plain"), QStringLiteral("plain")},
        {QByteArray("caf\xC3\xA9 \xE2\x82\xAC"), QStringLiteral("caf\u00E9 \u20AC")},
        {QByteArray("\xF0\x9F\x98\x80!"), QString::fromUcs4(U"\U0001F600!")},
        // Bytes that are not UTF-8 are Windows-1252: a lone é, a euro sign, a lone continuation
        // byte, an overlong form, a sequence cut at the end.
        {QByteArray("\xE9t\xE9"), QStringLiteral("\u00E9t\u00E9")},
        {QByteArray("\x80 \x9C"), QStringLiteral("\u20AC \u0153")},
        {QByteArray("a\xA9" "b"), QStringLiteral("a\u00A9b")},
        {QByteArray("\xC0\x80"), QStringLiteral("\u00C0\u20AC")},
        {QByteArray("x\xE2\x82"), QStringLiteral("x\u00E2\u201A")},
    };
    for (const auto &[bytes, text] : cases)
        EXPECT_EQ(platform::decodeText(bytes), text) << bytes.toHex().toStdString();
    // Long runs on both sides of the first non-ASCII byte.
    const QByteArray mixed = QByteArray(1000, 'a') + "\xC3\xA9" + QByteArray(1000, 'b') + "\xE9";
    EXPECT_EQ(platform::decodeText(mixed), QString(1000, u'a') + QChar(0xE9) + QString(1000, u'b') + QChar(0xE9));
}

TEST(TextChunkDecoder, AnyCutGivesTheWholeText)
{
    // UTF-8 of two, three and four bytes, a Windows-1252 byte, CR LF and a lone CR.
    const QByteArray bytes = QByteArray("caf\xC3\xA9 \xE2\x82\xAC \xF0\x9F\x98\x80 \xE9t\xE9\r\nx\ry\r\n", -1);
    const QString whole = platform::decodeText(bytes);
    for (qsizetype step = 1; step <= 4; ++step) {
        editor::TextChunkDecoder decoder;
        QString text;
        for (qsizetype at = 0; at < bytes.size(); at += step) {
            const QString piece = decoder.decode(bytes.mid(at, step));
            EXPECT_FALSE(piece.endsWith('\r')) << "a CR LF pair was cut, step " << step;
            text += piece;
        }
        text += decoder.finish();
        EXPECT_EQ(text, whole) << "step " << step;
    }
}

class TextFileTest : public testing::Test {
protected:
    QString path(const char *name) const { return m_dir.filePath(QLatin1String(name)); }
    QTemporaryDir m_dir;
};

TEST_F(TextFileTest, LoadAndSaveKeepTheBytes)
{
    const QList<QByteArray> files = {
        QByteArray("line one\r\nligne deux \xC3\xA9t\xC3\xA9\r\n\tthree\r\n"),
        QByteArray("unix\nlines\nno final break"),
        QByteArray("old\rmac\r"),
        // Pieces end in the middle of a UTF-8 character and of a CR LF pair.
        QByteArray(Piece - 1, 'a') + "\xC3\xA9" + QByteArray(Piece - 3, 'b') + "\r\nend\r\n",
    };
    for (const QByteArray &bytes : files) {
        writeAll(path("in.txt"), bytes);
        editor::TextDocument document;
        editor::TextFile file;
        ASSERT_TRUE(file.load(path("in.txt"), document)) << file.errorString().toStdString();
        EXPECT_FALSE(document.isModified());
        EXPECT_FALSE(document.isUndoAvailable());
        ASSERT_TRUE(file.savePlain(document, path("out.txt")));
        EXPECT_EQ(readAll(path("out.txt")), bytes);
    }
}

TEST_F(TextFileTest, PiecesAreJoinedWithoutLoss)
{
    const QByteArray bytes = QByteArray(Piece - 1, 'a') + "\xC3\xA9" + QByteArray(Piece - 1, 'b') + "\r\nz";
    writeAll(path("in.txt"), bytes);
    editor::TextDocument document;
    editor::TextFile file;
    int services = 0;
    ASSERT_TRUE(file.load(path("in.txt"), document, [&services] { return ++services > 0; }));
    EXPECT_GE(services, 2);
    ASSERT_EQ(document.buffer().lineCount(), 2);
    EXPECT_EQ(document.buffer().lineText(0), QString(Piece - 1, 'a') + QChar(0xE9) + QString(Piece - 1, 'b'));
    EXPECT_EQ(document.buffer().lineText(1), QStringLiteral("z"));
    EXPECT_EQ(document.buffer().longestLine(), 2 * Piece - 1);
}

TEST_F(TextFileTest, BinaryFileLoadsAndStaysUntouched)
{
    QByteArray bytes;
    for (int i = 0; i < 4096; ++i)
        bytes.append(char((i * 37) & 0xFF));
    writeAll(path("data.bin"), bytes);
    editor::TextDocument document;
    editor::TextFile file;
    ASSERT_TRUE(file.load(path("data.bin"), document));
    EXPECT_GT(document.length(), 1000);
    EXPECT_EQ(readAll(path("data.bin")), bytes);
}

TEST_F(TextFileTest, UnreadableFilesLeaveTheDocumentAlone)
{
    QDir(m_dir.path()).mkdir(QStringLiteral("folder"));
    ASSERT_EQ(mkfifo(path("pipe").toLocal8Bit().constData(), 0600), 0);
    for (const char *name : {"missing.txt", "folder", "pipe"}) {
        editor::TextDocument document;
        document.setPlainText(QStringLiteral("before"));
        editor::TextFile file;
        EXPECT_FALSE(file.load(path(name), document)) << name;
        EXPECT_TRUE(file.errorString().contains(path(name))) << file.errorString().toStdString();
        EXPECT_EQ(document.toPlainText(), QStringLiteral("before"));
    }
}

TEST_F(TextFileTest, AbandonedWhenTheServiceSaysSo)
{
    writeAll(path("big.txt"), QByteArray(3 * Piece, 'x'));
    editor::TextDocument document;
    editor::TextFile file;
    EXPECT_FALSE(file.load(path("big.txt"), document, [] { return false; }));
}

TEST_F(TextFileTest, SaveFailureKeepsTheOldFile)
{
    editor::TextDocument document;
    document.setPlainText(QStringLiteral("text"));
    editor::TextFile file;
    EXPECT_FALSE(file.savePlain(document, path("no/such/folder/x.txt")));
    EXPECT_FALSE(file.errorString().isEmpty());
}

TEST_F(TextFileTest, RichTextKeepsTextAndMarks)
{
    editor::TextDocument document;
    document.setPlainText(QStringLiteral("Un {mot} \\ marqu\u00E9\nligne deux mot"));
    QFont font(QStringLiteral("Arial"));
    font.setPointSize(9);
    editor::MarkStyle mark{font, QColor(255, 255, 0)};
    mark.font.setBold(true);
    document.addMarks({4}, 3, mark);
    editor::TextFile file;
    ASSERT_TRUE(file.saveRich(document, path("marks.rtf"), font, Qt::black));

    const QByteArray rtf = readAll(path("marks.rtf"));
    EXPECT_TRUE(rtf.startsWith("{\\rtf1"));
    EXPECT_TRUE(rtf.contains("\\red255\\green255\\blue0;"));
    EXPECT_TRUE(rtf.contains("\\b mot}"));
    EXPECT_TRUE(rtf.contains("\\fs18"));

    QProcess unrtf;
    unrtf.start(QStringLiteral("/usr/bin/unrtf"), {QStringLiteral("--text"), path("marks.rtf")});
    ASSERT_TRUE(unrtf.waitForFinished(30000));
    const QString text = QString::fromUtf8(unrtf.readAllStandardOutput());
    EXPECT_TRUE(text.contains(QStringLiteral("Un {mot} \\ marqu"))) << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("ligne deux mot"))) << text.toStdString();
    unrtf.start(QStringLiteral("/usr/bin/unrtf"), {QStringLiteral("--html"), path("marks.rtf")});
    ASSERT_TRUE(unrtf.waitForFinished(30000));
    const QString html = QString::fromUtf8(unrtf.readAllStandardOutput());
    EXPECT_TRUE(html.contains(QStringLiteral("<b>mot</b>"))) << html.toStdString();
}

TEST(FileFilters, NamesFromTheCaption)
{
    EXPECT_EQ(editor::closeSaveFilter(QStringLiteral("/src/unit.pas")), QStringLiteral("(*.pas)|*.pas"));
    EXPECT_EQ(editor::closeSaveFilter(QStringLiteral(" ")), QStringLiteral("(*)|*"));
    EXPECT_EQ(editor::closeSaveFilter(QStringLiteral("/a.b/readme")), QStringLiteral("(*)|*"));
    EXPECT_TRUE(editor::isRichTextName(QStringLiteral("/tmp/x.RtF")));
    EXPECT_FALSE(editor::isRichTextName(QStringLiteral("/tmp/rtf")));
    EXPECT_FALSE(editor::isRichTextName(QStringLiteral("/tmp/x.rtf.txt")));
}

TEST(Colorref, TealIsStoredAs8421376)
{
    EXPECT_EQ(editor::colorFromColorref(8421376), QColor(0, 128, 128));
    EXPECT_EQ(editor::colorrefFromColor(QColor(0, 128, 128)), 8421376);
    EXPECT_EQ(editor::colorrefFromColor(QColor(255, 255, 0)), 0x00FFFF);
    EXPECT_EQ(editor::colorFromColorref(editor::colorrefFromColor(QColor(12, 34, 56))), QColor(12, 34, 56));
}

} // namespace

int main(int argc, char **argv)
{
    // Documents and fonts need the GUI application; the tests run it offscreen.
    QGuiApplication app(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
