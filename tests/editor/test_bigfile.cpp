// A big text file in an editor window: it opens whole (every line, the last one too, accented
// letters decoded), F4 and F3 step through the occurrences of the search string down to its
// last line and bring each into sight, and F5 marks every one of them and nothing else.
#include "editor/core/textdocument.h"
#include "editor/gui/editarea.h"
#include "editor/gui/finddialog.h"
#include "editor/gui/framedialogs.h"
#include "editor/gui/teditform.h"
#include "editor/modaldialogs.h"
#include "settings/settingsstore.h"

#include <QFile>
#include <QMainWindow>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTemporaryDir>
#include <QTest>

namespace {

// Smaller under the sanitizer, which makes every step many times slower.
#if defined(__SANITIZE_ADDRESS__)
constexpr qsizetype FileBytes = 4 << 20;
#else
constexpr qsizetype FileBytes = 64 << 20;
#endif
constexpr int NeedleEvery = 40000; // lines between two lines holding the searched word

// What was written, in the document's terms: one position per character and per line break.
struct BigText {
    int lines = 0;
    qsizetype characters = 0;
    QString lastLine;
    QList<qsizetype> needles;
};

BigText writeBigText(const QString &path)
{
    static const char *const words[] = {"le", "fichier", "été", "recherche", "fenêtre", "naïve", "texte",
                                        "alpha", "x_y", "42", "cœur", "ligne"};
    BigText text;
    QFile out(path);
    if (!out.open(QIODevice::WriteOnly))
        return text;
    QByteArray buffer;
    qsizetype written = 0;
    qsizetype position = 0;
    quint32 seed = 20;
    while (written < FileBytes) {
        QString line;
        if (text.lines % NeedleEvery == NeedleEvery - 1) {
            line = QStringLiteral("voici l'aiguille ");
            text.needles.append(position + 8);
        }
        seed = seed * 1103515245u + 12345u;
        const int width = 20 + int((seed >> 16) % 101);
        while (line.size() < width) {
            seed = seed * 1103515245u + 12345u;
            line += QString::fromUtf8(words[(seed >> 16) % std::size(words)]) + QLatin1Char(' ');
        }
        buffer += line.toUtf8() + '\n';
        position += line.size() + 1;
        ++text.lines;
        if (buffer.size() >= (1 << 20)) {
            written += out.write(buffer);
            buffer.clear();
        }
    }
    text.lastLine = QStringLiteral("fin du texte, dernière aiguille");
    text.needles.append(position + text.lastLine.size() - 8);
    buffer += text.lastLine.toUtf8();
    ++text.lines;
    text.characters = position + text.lastLine.size();
    out.write(buffer);
    return text;
}

} // namespace

class TestBigFile : public QObject {
    Q_OBJECT
private slots:
    void opensWholeAndSearchesToTheEnd();
};

void TestBigFile::opensWholeAndSearchesToTheEnd()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("big.txt"));
    const BigText written = writeBigText(path);
    QVERIFY(written.needles.size() >= 2);

    QMainWindow frame;
    frame.resize(800, 600);
    auto *area = new QMdiArea(&frame);
    frame.setCentralWidget(area);
    editor::FrameDialogs dialogs(&frame);
    const settings::SettingsStore store(dir.filePath(QStringLiteral("settings/user.reg")));
    const QString searched = QStringLiteral("aiguille");
    auto *child = new editor::TEditForm(dialogs, store, [&searched] { return searched; });
    QMdiSubWindow *window = area->addSubWindow(child);
    window->showMaximized();
    frame.show();
    frame.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&frame));

    QVERIFY2(child->openFile(path), qPrintable(child->errorString()));
    editor::EditArea *edit = child->editArea();
    const editor::TextBuffer &text = edit->document()->buffer();
    QCOMPARE(text.lineCount(), written.lines);
    QCOMPARE(text.lineText(text.lineCount() - 1), written.lastLine);
    QCOMPARE(text.length(), written.characters);

    // F4 finds the first occurrence from the start, F3 each next one, down to the last line.
    const auto inSight = [edit] { return edit->viewport()->rect().contains(edit->caretRect(edit->position()).center()); };
    QTest::keyClick(edit, Qt::Key_F4);
    QCOMPARE(edit->selectionStart(), written.needles.front());
    QVERIFY(inSight());
    for (qsizetype i = 1; i < written.needles.size(); ++i) {
        QTest::keyClick(edit, Qt::Key_F3);
        QCOMPARE(edit->selectionStart(), written.needles[i]);
        QCOMPARE(edit->selectedText(), searched);
        QVERIFY(inSight());
    }
    // Past the last one nothing is found, and the window says so.
    QString told;
    testing_support::answerNextModal([&told](QWidget *box) {
        told = box->property("text").toString();
        box->close();
    });
    QTest::keyClick(edit, Qt::Key_F3);
    QCOMPARE(told, QStringLiteral("Ne trouve pas \"aiguille\"."));
    QCOMPARE(edit->selectionStart(), written.needles.back());

    // F5 from the start marks every occurrence, and only those.
    frame.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&frame));
    edit->setFocus();
    edit->setCaret(0);
    QTest::keyClick(edit, Qt::Key_F5);
    QList<qsizetype> marked;
    for (const editor::Mark &mark : edit->document()->marks().between(0, text.length())) {
        QCOMPARE(mark.end - mark.start, searched.size());
        QVERIFY(edit->document()->marks().styles()[std::size_t(mark.style)].font.bold());
        marked.append(mark.start);
    }
    QCOMPARE(marked, written.needles);
    QCOMPARE(edit->position(), 0);
}

QTEST_MAIN(TestBigFile)
#include "test_bigfile.moc"
