// The editor window: its commands and their enabled states, the caret display, F3, F4 and F5,
// saving and the question when a modified window closes, the .rtf rule, the stored colours and
// font, printing to a PDF file, and its menu in the frame's menu bar.
#include "editor/core/textdocument.h"
#include "editor/gui/childmenumerger.h"
#include "editor/gui/editarea.h"
#include "editor/gui/finddialog.h"
#include "editor/gui/fontcolourdialog.h"
#include "editor/gui/framedialogs.h"
#include "editor/gui/teditform.h"
#include "editor/modaldialogs.h"
#include "support/shownfilters.h"
#include "settings/settingsstore.h"

#include <QAction>
#include <QColorDialog>
#include <QFileDialog>
#include <QLabel>
#include <QMainWindow>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPrintDialog>
#include <QProcess>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

using editor::TEditForm;
using testing_support::answerNextModal;
using testing_support::chooseFile;

class TestTEditForm : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void commandsOfANewWindow_data();
    void commandsOfANewWindow();
    void toolButtons();
    void openingFollowsTheSearchString();
    void caretDisplay();
    void editingKeys();
    void initialSearchStepsThroughOccurrences();
    void notFoundIsTold();
    void findNextTakesTheSearchString();
    void findDialogOptions();
    void markingColoursEveryOccurrence();
    void unchangedWindowClosesWithoutAQuestion();
    void modifiedWindowAsksAndSaves_data();
    void modifiedWindowAsksAndSaves();
    void saveWritesTheWholeText();
    void lastClosedWindowKeepsItsColoursAndFont();
    void printsAllLinesOrTheSelection();
    void menuMergesIntoTheFrame();

private:
    TEditForm *addChild();
    QString pdfText(const QString &pdf) const;

    QMainWindow *m_frame = nullptr;
    QMdiArea *m_area = nullptr;
    editor::FrameDialogs *m_dialogs = nullptr;
    QString m_searchString;
    QTemporaryDir *m_dir = nullptr;
    settings::SettingsStore m_store;
};

TEditForm *TestTEditForm::addChild()
{
    auto *child = new TEditForm(*m_dialogs, m_store, [this] { return m_searchString; });
    QMdiSubWindow *window = m_area->addSubWindow(child);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->showMaximized();
    m_area->setActiveSubWindow(window);
    child->editArea()->setFocus();
    return child;
}

void TestTEditForm::init()
{
    m_dir = new QTemporaryDir;
    // Each test starts from an empty settings store.
    m_store = settings::SettingsStore(m_dir->filePath(QStringLiteral("settings/user.reg")));
    m_frame = new QMainWindow;
    m_frame->resize(800, 600);
    QMenuBar *bar = m_frame->menuBar();
    bar->addMenu(QStringLiteral("Fic&hier"));
    QMenu *windows = bar->addMenu(QStringLiteral("&Fenêtre"));
    m_area = new QMdiArea(m_frame);
    m_frame->setCentralWidget(m_area);
    m_dialogs = new editor::FrameDialogs(m_frame);
    new editor::ChildMenuMerger(m_area, bar, windows->menuAction(), m_frame);
    m_searchString.clear();
    m_frame->show();
    m_frame->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_frame));
}

void TestTEditForm::cleanup()
{
    delete m_frame;
    delete m_dir;
}

QString TestTEditForm::pdfText(const QString &pdf) const
{
    QProcess process;
    process.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    if (!process.waitForFinished(30000))
        return QString();
    return QString::fromUtf8(process.readAllStandardOutput());
}

void TestTEditForm::commandsOfANewWindow_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QKeySequence>("shortcut");
    QTest::addColumn<bool>("enabled");
    const auto row = [](const char *name, const char *caption, QKeySequence shortcut, bool enabled) {
        QTest::newRow(name) << QString::fromLatin1(name) << QString::fromUtf8(caption) << shortcut << enabled;
    };
    row("Recherche1", "&Recherche mot", QKeySequence(Qt::CTRL | Qt::Key_F), true);
    row("Occurencesuivante1", "&Occurence suivante ", QKeySequence(Qt::Key_F3), false);
    row("Rechercheinitiale1", "Recherche initiale", QKeySequence(Qt::Key_F4), true);
    row("Marquer1", "Marquer", QKeySequence(Qt::Key_F5), true);
    row("Marquer2", "Marquer occurence", QKeySequence(Qt::Key_F5), false);
    row("Rechercheinitiale2", "Trouve occurences", QKeySequence(Qt::Key_F4), false);
    row("TrouvePop", "Trouve un mot ", QKeySequence(Qt::CTRL | Qt::Key_F), true);
    row("Home1", "Debut", QKeySequence(), true);
    row("Pleinecran1", "Plein écran", QKeySequence(), true);
    row("Taillenormale1", "Taille normale", QKeySequence(), true);
    row("Fentre1", "Fenêtre", QKeySequence(), true);
    row("Mozaque1", "Mozaïque", QKeySequence(), true);
    row("Cascade1", "Cascade", QKeySequence(), true);
    row("reduire1", "reduire", QKeySequence(), true);
    row("Precedente1", "Precedente", QKeySequence(Qt::SHIFT | Qt::CTRL | Qt::Key_Tab), true);
    row("Suivante1", "Suivante", QKeySequence(Qt::CTRL | Qt::Key_Tab), true);
    row("texte2", "Texte", QKeySequence(), true);
    row("Copier1", "Copier ", QKeySequence(Qt::CTRL | Qt::Key_C), true);
    row("Coller1", "Coller", QKeySequence(Qt::CTRL | Qt::Key_V), true);
    row("Toutselectionner1", "Tout selectionner", QKeySequence(), true);
    row("Imprimer1", "Imprimer", QKeySequence(), true);
    row("Sauverselection1", "Sauver selection", QKeySequence(), true);
    row("Sauver1", "Sauver", QKeySequence(), true);
    row("Fermer", "Fermer ce fichier ", QKeySequence(Qt::CTRL | Qt::Key_F4), true);
}

void TestTEditForm::commandsOfANewWindow()
{
    QFETCH(QString, name);
    QFETCH(QString, caption);
    QFETCH(QKeySequence, shortcut);
    QFETCH(bool, enabled);
    TEditForm *child = addChild();
    QAction *item = child->action(name);
    QVERIFY2(item, qPrintable(name));
    QCOMPARE(item->text(), caption);
    QCOMPARE(item->shortcut(), shortcut);
    QCOMPARE(item->isEnabled(), enabled);
    QCOMPARE(child->windowTitle(), QStringLiteral(" "));
    QCOMPARE(child->trouveMenu()->title(), QStringLiteral("&Trouve"));
    QCOMPARE(child->panel(1)->text(), QStringLiteral("Texte recherché : "));
    QVERIFY(child->panel(2)->text().isEmpty());
}

void TestTEditForm::toolButtons()
{
    TEditForm *child = addChild();
    const QList<QPair<const char *, const char *>> hints = {
        {"ToolBtnNew", "Copier la selection"}, {"ToolBtnOpen", "Coller le presse papier"},
        {"ToolBtnSave", "Tout selectionner"},  {"ToolBtnSwap", "Imprimer"},
        {"ToolButton2", "Police "},            {"ToolButton3", "Couleur du fond"},
        {"ToolButton5", "Fenetre precedente"}, {"ToolButton6", "Fenetre suivante"},
    };
    for (const auto &[name, hint] : hints) {
        QToolButton *button = child->toolButton(QLatin1String(name));
        QVERIFY2(button, name);
        QCOMPARE(button->property("hint").toString(), QString::fromLatin1(hint));
        QCOMPARE(button->size(), QSize(25, 25));
    }
    // "Tout selectionner" selects the whole text.
    child->setText(QStringLiteral("one\ntwo"));
    child->toolButton(QStringLiteral("ToolBtnSave"))->click();
    QCOMPARE(child->editArea()->selectedText(), QStringLiteral("one\ntwo"));
}

void TestTEditForm::openingFollowsTheSearchString()
{
    const QString file = m_dir->filePath(QStringLiteral("a.txt"));
    QFile out(file);
    QVERIFY(out.open(QIODevice::WriteOnly));
    out.write("alpha needle\nbeta\n");
    out.close();

    m_searchString.clear();
    TEditForm *quiet = addChild();
    QVERIFY(quiet->openFile(file));
    for (const char *name : {"Rechercheinitiale1", "Rechercheinitiale2", "Marquer2", "Occurencesuivante1"})
        QVERIFY2(!quiet->action(QLatin1String(name))->isEnabled(), name);
    QVERIFY(quiet->action(QStringLiteral("Marquer1"))->isEnabled());

    m_searchString = QStringLiteral("needle");
    TEditForm *child = addChild();
    QVERIFY(child->openFile(file));
    for (const char *name : {"Rechercheinitiale1", "Rechercheinitiale2", "Marquer2", "Occurencesuivante1"})
        QVERIFY2(child->action(QLatin1String(name))->isEnabled(), name);
    QCOMPARE(child->panel(2)->text(), QStringLiteral("needle"));
    QCOMPARE(child->windowTitle(), file);
    QCOMPARE(child->text(), QStringLiteral("alpha needle\nbeta\n"));
    QCOMPARE(child->editArea()->position(), 0);
    QVERIFY(!child->editArea()->document()->isModified());

    // A file that cannot be read leaves the window as it was.
    QVERIFY(!child->openFile(m_dir->filePath(QStringLiteral("missing.txt"))));
    QVERIFY(child->errorString().contains(QStringLiteral("missing.txt")));
    QCOMPARE(child->windowTitle(), file);
    QCOMPARE(child->text(), QStringLiteral("alpha needle\nbeta\n"));
}

void TestTEditForm::caretDisplay()
{
    TEditForm *child = addChild();
    child->setText(QStringLiteral("first\nsecond line\nthird"));
    QTest::keyClick(child->editArea(), Qt::Key_Home);
    QCOMPARE(child->panel(0)->text(), QStringLiteral("1:0"));
    QTest::keyClick(child->editArea(), Qt::Key_Down);
    QTest::keyClick(child->editArea(), Qt::Key_Right);
    QTest::keyClick(child->editArea(), Qt::Key_Right);
    QCOMPARE(child->panel(0)->text(), QStringLiteral("2:2"));
    // A find moves the selection but not the display.
    m_searchString = QStringLiteral("third");
    child->Rechercheinitiale1Click();
    QCOMPARE(child->panel(0)->text(), QStringLiteral("2:2"));
    // A click puts the caret where it lands.
    const QRect start = child->editArea()->caretRect(0);
    QTest::mouseClick(child->editArea()->viewport(), Qt::LeftButton, {}, start.center());
    QCOMPARE(child->panel(0)->text(), QStringLiteral("1:0"));
}

void TestTEditForm::editingKeys()
{
    TEditForm *child = addChild();
    editor::EditArea *edit = child->editArea();
    child->setText(QStringLiteral("ab\ncd"));
    QVERIFY(!edit->document()->isModified());
    // Typing, a line break, Backspace and Delete, then undo back to the text set.
    edit->setCaret(1);
    QTest::keyClicks(edit, QStringLiteral("xy"));
    QTest::keyClick(edit, Qt::Key_Return);
    QCOMPARE(child->text(), QStringLiteral("axy\nb\ncd"));
    QTest::keyClick(edit, Qt::Key_Backspace);
    QTest::keyClick(edit, Qt::Key_Delete);
    QCOMPARE(child->text(), QStringLiteral("axy\ncd"));
    QVERIFY(edit->document()->isModified());
    for (int i = 0; i < 4; ++i)
        QTest::keyClick(edit, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(child->text(), QStringLiteral("ab\ncd"));
    QCOMPARE(edit->position(), 1);
    // Shift and the arrows select, down keeps the column, the selection is replaced by what is typed.
    QTest::keyClick(edit, Qt::Key_Right, Qt::ShiftModifier);
    QTest::keyClick(edit, Qt::Key_Down, Qt::ShiftModifier);
    QCOMPARE(edit->selectedText(), QStringLiteral("b\ncd"));
    QTest::keyClicks(edit, QStringLiteral("Z"));
    QCOMPARE(child->text(), QStringLiteral("aZ"));
    // Cut and paste through the clipboard; Home and End keep to the line.
    edit->setSelection(0, 2);
    QTest::keyClick(edit, Qt::Key_X, Qt::ControlModifier);
    QCOMPARE(child->text(), QString());
    QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
    QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(child->text(), QStringLiteral("aZaZ"));
    QTest::keyClick(edit, Qt::Key_Home);
    QCOMPARE(edit->position(), 0);
    QTest::keyClick(edit, Qt::Key_End);
    QCOMPARE(edit->position(), 4);
}

void TestTEditForm::initialSearchStepsThroughOccurrences()
{
    TEditForm *child = addChild();
    child->setText(QStringLiteral("a Needle, another needle\nand a third NEEDLE"));
    m_searchString = QStringLiteral("needle");
    child->findDialog()->setFindText(QStringLiteral("own text"));
    for (int expected : {2, 18, 37}) {
        QTest::keyClick(child->editArea(), Qt::Key_F4);
        QCOMPARE(child->editArea()->selectionStart(), expected);
        QCOMPARE(child->editArea()->selectionEnd(), expected + 6);
        QCOMPARE(child->editArea()->position(), expected + 6);
    }
    QCOMPARE(child->findDialog()->findText(), QStringLiteral("own text"));
}

void TestTEditForm::notFoundIsTold()
{
    TEditForm *child = addChild();
    child->setText(QStringLiteral("nothing here"));
    child->editArea()->setCaret(child->editArea()->document()->length());
    m_searchString = QStringLiteral("absent");
    QString shown;
    answerNextModal([&shown](QWidget *modal) {
        auto *box = qobject_cast<QMessageBox *>(modal);
        if (box)
            shown = box->text();
        modal->close();
    });
    QTest::keyClick(child->editArea(), Qt::Key_F4);
    QCOMPARE(shown, QStringLiteral("Ne trouve pas \"absent\"."));
    QCOMPARE(child->editArea()->position(), 12);
}

void TestTEditForm::findNextTakesTheSearchString()
{
    TEditForm *child = addChild();
    child->setText(QStringLiteral("key one key two"));
    m_searchString = QStringLiteral("key");
    // F3 stays off until the find command was used (or a file opened with a search string).
    QVERIFY(!child->action(QStringLiteral("Occurencesuivante1"))->isEnabled());
    QTest::keyClick(child->editArea(), Qt::Key_F3);
    QCOMPARE(child->editArea()->hasSelection(), false);
    child->Recherche1Click();
    QVERIFY(child->findDialog()->isVisible());
    child->findDialog()->hide();
    child->editArea()->setFocus();
    QVERIFY(child->action(QStringLiteral("Occurencesuivante1"))->isEnabled());
    QVERIFY(child->findDialog()->findText().isEmpty());
    QTest::keyClick(child->editArea(), Qt::Key_F3);
    QCOMPARE(child->editArea()->selectionStart(), 0);
    QCOMPARE(child->findDialog()->findText(), QStringLiteral("key"));
    QTest::keyClick(child->editArea(), Qt::Key_F3);
    QCOMPARE(child->editArea()->selectionStart(), 8);
    // The dialog's own text wins once it has one.
    child->findDialog()->setFindText(QStringLiteral("two"));
    QTest::keyClick(child->editArea(), Qt::Key_F3);
    QCOMPARE(child->editArea()->selectionStart(), 12);
}

void TestTEditForm::findDialogOptions()
{
    TEditForm *child = addChild();
    child->setText(QStringLiteral("Word words word"));
    editor::FindDialog *dialog = child->findDialog();
    QCOMPARE(dialog->options().down, true);
    QCOMPARE(dialog->options().matchCase, false);
    QCOMPARE(dialog->options().wholeWord, false);
    dialog->setFindText(QStringLiteral("word"));
    dialog->setOptions({true, true, true});
    child->editArea()->setCaret(0);
    child->FindDialog1Find();
    QCOMPARE(child->editArea()->selectionStart(), 11);
    dialog->setOptions({false, false, false});
    child->FindDialog1Find();
    QCOMPARE(child->editArea()->selectionStart(), 5);
}

void TestTEditForm::markingColoursEveryOccurrence()
{
    TEditForm *child = addChild();
    child->setText(QStringLiteral("mark me, mark you\nno MARK here? mark"));
    m_searchString = QStringLiteral("mark");
    const QList<int> occurrences{0, 9, 21, 32};
    // The style of a character, or an unmarked one's: the window's own font and ink.
    const auto styleAt = [](TEditForm *window, qsizetype position) {
        const editor::TextMarks &marks = window->editArea()->document()->marks();
        const int style = marks.styleAt(position);
        return style < 0 ? editor::MarkStyle{window->editArea()->font(), window->ink()}
                         : marks.styles()[std::size_t(style)];
    };
    for (int round = 0; round < 2; ++round) {
        QTest::keyClick(child->editArea(), Qt::Key_F5);
        for (int at : occurrences) {
            for (qsizetype i = at; i < at + 4; ++i) {
                QCOMPARE(styleAt(child, i).colour, QColor(255, 255, 0));
                QVERIFY(styleAt(child, i).font.bold());
            }
            QCOMPARE(styleAt(child, at + 4).colour, child->ink());
        }
        QCOMPARE(child->editArea()->document()->marks().between(0, 100).size(), std::size_t(4));
        QCOMPARE(child->editArea()->position(), 0);
        QVERIFY(!child->editArea()->hasSelection());
    }
    QVERIFY(child->findDialog()->findText().isEmpty());

    // On a yellow text the marks are red.
    TEditForm *yellow = addChild();
    QPalette palette = yellow->editArea()->palette();
    palette.setColor(QPalette::Text, QColor(255, 255, 0));
    yellow->editArea()->setPalette(palette);
    yellow->setText(QStringLiteral("a mark"));
    yellow->Marquer1Click();
    QCOMPARE(styleAt(yellow, 2).colour, QColor(255, 0, 0));

    // Whole words from a freshly set text: the word at the very start is marked too.
    TEditForm *words = addChild();
    words->setText(QStringLiteral("mark markup mark"));
    m_searchString = QStringLiteral("mark");
    words->findDialog()->setOptions(editor::FindOptions{true, false, true});
    words->Marquer1Click();
    const editor::TextMarks &wordMarks = words->editArea()->document()->marks();
    QVERIFY(wordMarks.styleAt(0) >= 0);
    QCOMPARE(wordMarks.styleAt(5), -1);
    QVERIFY(wordMarks.styleAt(12) >= 0);

    // Nothing to mark: no message, the caret still goes to the start.
    m_searchString.clear();
    yellow->editArea()->setCaret(yellow->editArea()->document()->length());
    yellow->Marquer1Click();
    QCOMPARE(yellow->editArea()->position(), 0);
}

void TestTEditForm::unchangedWindowClosesWithoutAQuestion()
{
    TEditForm *child = addChild();
    child->setText(QStringLiteral("untouched"));
    QPointer<QMdiSubWindow> window(qobject_cast<QMdiSubWindow *>(child->parentWidget()));
    bool asked = false;
    // Closing runs its questions at once: any would have been shown and answered by now.
    QPointer<QTimer> watcher = answerNextModal([&asked](QWidget *modal) { asked = true; modal->close(); });
    child->FermerClick();
    QVERIFY(!asked);
    delete watcher;
    QTRY_VERIFY(window.isNull());
}

void TestTEditForm::modifiedWindowAsksAndSaves_data()
{
    QTest::addColumn<QString>("answer");
    QTest::addColumn<QString>("saveAs");
    QTest::addColumn<bool>("rich");
    QTest::newRow("plain") << QStringLiteral("ok") << QStringLiteral("copy.txt") << false;
    QTest::newRow("rtf") << QStringLiteral("ok") << QStringLiteral("copy.RTF") << true;
    QTest::newRow("no") << QStringLiteral("no") << QString() << false;
}

void TestTEditForm::modifiedWindowAsksAndSaves()
{
    QFETCH(QString, answer);
    QFETCH(QString, saveAs);
    QFETCH(bool, rich);
    const QString file = m_dir->filePath(QStringLiteral("unit.txt"));
    QFile out(file);
    QVERIFY(out.open(QIODevice::WriteOnly));
    out.write("begin\n");
    out.close();
    m_searchString = QStringLiteral("begin");
    TEditForm *child = addChild();
    QVERIFY(child->openFile(file));
    child->Marquer1Click();
    child->editArea()->setCaret(child->editArea()->document()->length());
    QTest::keyClicks(child->editArea(), QStringLiteral("end"));
    QVERIFY(child->editArea()->document()->isModified());

    QString question;
    QStringList filters;
    QString proposed;
    const QString target = m_dir->filePath(saveAs);
    answerNextModal([&](QWidget *modal) {
        auto *box = qobject_cast<QMessageBox *>(modal);
        if (!box) {
            modal->close();
            return;
        }
        question = box->text();
        if (answer == QLatin1String("no")) {
            box->button(QMessageBox::No)->click();
            return;
        }
        answerNextModal([&](QWidget *dialog) {
            auto *save = qobject_cast<QFileDialog *>(dialog);
            if (!save) {
                dialog->close();
                return;
            }
            filters = testing_support::shownFilters(save);
            proposed = save->selectedFiles().value(0);
            chooseFile(save, target);
        });
        box->button(QMessageBox::Ok)->click();
    });
    QPointer<QMdiSubWindow> window(qobject_cast<QMdiSubWindow *>(child->parentWidget()));
    window->close();
    QTRY_VERIFY(window.isNull());
    QCOMPARE(question, QStringLiteral("Le fichier ") + file + QStringLiteral(" à été modifié \nSauvegarder une copie ?"));
    // The filter comes from the caption and is cleared afterwards.
    QCOMPARE(testing_support::shownFilters(m_dialogs->sauvefichier()), QStringList{QStringLiteral("(*)")});
    if (answer == QLatin1String("no")) {
        QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files), QStringList{QStringLiteral("unit.txt")});
        return;
    }
    QCOMPARE(filters, QStringList{QStringLiteral("(*.txt)")});
    QCOMPARE(proposed, file);
    QFile saved(target);
    QVERIFY(saved.open(QIODevice::ReadOnly));
    const QByteArray bytes = saved.readAll();
    if (rich) {
        QVERIFY(bytes.startsWith("{\\rtf1"));
        QVERIFY(bytes.contains("\\b begin}"));
    } else {
        QCOMPARE(bytes, QByteArray("begin\nend"));
    }
}

void TestTEditForm::saveWritesTheWholeText()
{
    TEditForm *child = addChild();
    child->setText(QStringLiteral("all\nof it"));
    QTest::keyClicks(child->editArea(), QStringLiteral("x"));
    const QString target = m_dir->filePath(QStringLiteral("saved.pas"));
    QString title;
    answerNextModal([&](QWidget *modal) {
        auto *save = qobject_cast<QFileDialog *>(modal);
        if (!save) {
            modal->close();
            return;
        }
        title = save->windowTitle();
        chooseFile(save, target);
    });
    child->sauverselection1Click();
    QCOMPARE(title, QStringLiteral("~Vorlane~ sauve le texte dans un fichier \".PAS\" ou \".TXT\" "));
    QVERIFY(!child->editArea()->document()->isModified());
    QFile saved(target);
    QVERIFY(saved.open(QIODevice::ReadOnly));
    QCOMPARE(saved.readAll(), QByteArray("xall\nof it"));
    QCOMPARE(m_dialogs->sauvefichier()->windowTitle(), title);
}

void TestTEditForm::lastClosedWindowKeepsItsColoursAndFont()
{
    TEditForm *first = addChild();
    // Nothing stored yet: black on teal, Arial 9.
    QCOMPARE(first->ink(), QColor(0, 0, 0));
    QCOMPARE(first->background(), QColor(0, 128, 128));
    QCOMPARE(first->editArea()->font().pointSize(), 9);
    QCOMPARE(first->editArea()->font().family().toLower(), QStringLiteral("arial"));

    TEditForm *second = addChild();
    answerNextModal([](QWidget *modal) {
        auto *dialog = qobject_cast<QColorDialog *>(modal);
        if (dialog)
            dialog->setCurrentColor(QColor(10, 20, 30));
        QMetaObject::invokeMethod(modal, "accept");
    });
    second->Couleur1Click();
    QCOMPARE(second->background(), QColor(10, 20, 30));
    answerNextModal([](QWidget *modal) {
        auto *dialog = qobject_cast<editor::FontColourDialog *>(modal);
        if (dialog) {
            QFont font(QStringLiteral("DejaVu Sans"));
            font.setPointSize(14);
            dialog->setCurrent(font, QColor(128, 0, 0));
        }
        QMetaObject::invokeMethod(modal, "accept");
    });
    second->Fontes1Click();
    QCOMPARE(second->ink(), QColor(128, 0, 0));
    QCOMPARE(second->editArea()->font().pointSize(), 14);

    delete first->parentWidget();
    delete second->parentWidget();
    TEditForm *third = addChild();
    QCOMPARE(third->background(), QColor(10, 20, 30));
    QCOMPARE(third->ink(), QColor(128, 0, 0));
    QCOMPARE(third->editArea()->font().pointSize(), 14);
    QCOMPARE(third->editArea()->font().family(), QStringLiteral("DejaVu Sans"));
}

void TestTEditForm::printsAllLinesOrTheSelection()
{
    TEditForm *child = addChild();
    QStringList lines;
    for (int i = 1; i <= 200; ++i)
        lines.append(QStringLiteral("ligne numero %1 du texte").arg(i));
    child->setText(lines.join('\n'));
    const QString pdf = m_dir->filePath(QStringLiteral("all.pdf"));
    m_dialogs->printer().setOutputFormat(QPrinter::PdfFormat);
    m_dialogs->printer().setOutputFileName(pdf);
    answerNextModal([](QWidget *modal) { QMetaObject::invokeMethod(modal, "accept"); });
    child->Imprimer1Click();
    const QString all = pdfText(pdf);
    const QStringList pages = all.split('\f', Qt::SkipEmptyParts);
    QVERIFY2(pages.size() >= 3, qPrintable(all.left(200)));
    // Every line once, in order, a page broken only between lines.
    QStringList printed;
    for (const QString &page : pages) {
        for (const QString &line : page.split('\n', Qt::SkipEmptyParts)) {
            if (!line.trimmed().isEmpty())
                printed.append(line.trimmed());
        }
    }
    QCOMPARE(printed, lines);
    QCOMPARE(pages.first().count(QStringLiteral("ligne")), pages[1].count(QStringLiteral("ligne")));

    // The selection range prints the selected text alone.
    const qsizetype selected = child->text().indexOf(QStringLiteral("numero 42"));
    child->editArea()->setSelection(selected, selected + 9);
    const QString part = m_dir->filePath(QStringLiteral("selection.pdf"));
    m_dialogs->printer().setOutputFileName(part);
    answerNextModal([](QWidget *modal) {
        if (auto *range = modal->findChild<QRadioButton *>(QStringLiteral("printSelection")))
            range->setChecked(true);
        QMetaObject::invokeMethod(modal, "accept");
    });
    child->Imprimer1Click();
    QCOMPARE(pdfText(part).trimmed(), QStringLiteral("numero 42"));
}

void TestTEditForm::menuMergesIntoTheFrame()
{
    const auto titles = [this] {
        QStringList names;
        for (QAction *item : m_frame->menuBar()->actions())
            names.append(item->text());
        return names;
    };
    QCOMPARE(titles(), (QStringList{QStringLiteral("Fic&hier"), QStringLiteral("&Fenêtre")}));
    TEditForm *first = addChild();
    QTRY_COMPARE(titles(), (QStringList{QStringLiteral("Fic&hier"), QStringLiteral("&Trouve"), QStringLiteral("&Fenêtre")}));
    QCOMPARE(m_frame->menuBar()->actions().at(1), first->trouveMenu()->menuAction());
    TEditForm *second = addChild();
    QTRY_COMPARE(m_frame->menuBar()->actions().at(1), second->trouveMenu()->menuAction());
    QCOMPARE(titles().size(), 3);
    delete second->parentWidget();
    QTRY_COMPARE(m_frame->menuBar()->actions().at(1), first->trouveMenu()->menuAction());
    delete first->parentWidget();
    QTRY_COMPARE(titles(), (QStringList{QStringLiteral("Fic&hier"), QStringLiteral("&Fenêtre")}));
}

QTEST_MAIN(TestTEditForm)
#include "test_teditform.moc"
