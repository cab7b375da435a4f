#include "editor/gui/teditform.h"

#include "editor/core/colorref.h"
#include "editor/core/documentsearch.h"
#include "editor/core/textdocument.h"
#include "editor/core/filefilters.h"
#include "editor/gui/editarea.h"
#include "editor/gui/finddialog.h"
#include "editor/gui/fontcolourdialog.h"
#include "editor/gui/framedialogs.h"
#include "settings/settingsstore.h"
#include "ui/hintstyle.h"
#include "ui/themedicon.h"
#include "ui/mditiling.h"
#include "ui/messageboxes.h"
#include "ui/textprinter.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QColorDialog>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMessageBox>
#include <QPainter>
#include <QPointer>
#include <QPushButton>
#include <QStatusBar>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

namespace editor {

namespace {

const QColor Yellow(255, 255, 0);
const QColor Red(255, 0, 0);

// The list of lines a print writes: every line of the text, each beginning with one blank.
QStringList linesToPrint(const TextBuffer &text)
{
    QStringList lines;
    for (qsizetype start = 0;;) {
        const qsizetype end = text.lineEndAt(start);
        lines.append(QLatin1Char(' ') + text.text(start, end));
        // The empty line after a final line break is not a line.
        if (end + 1 >= text.length())
            break;
        start = end + 1;
    }
    return lines;
}

} // namespace

TEditForm::TEditForm(FrameDialogs &dialogs, const settings::SettingsStore &store, SearchText searchText,
                     QWidget *parent)
    : QWidget(parent), m_dialogs(dialogs), m_store(store), m_searchText(std::move(searchText))
{
    setObjectName(QStringLiteral("EditForm"));
    setWindowTitle(QStringLiteral(" "));
    QFont formFont(QStringLiteral("Arial"));
    formFont.setPixelSize(13);
    setFont(formFont);

    buildToolPanel();
    m_Memo1 = new EditArea(this);
    m_Memo1->setObjectName(QStringLiteral("Memo1"));
    m_Memo1->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_Memo1->setContextMenuPolicy(Qt::CustomContextMenu);
    QPalette palette = m_Memo1->palette();
    palette.setColor(QPalette::Inactive, QPalette::Highlight, palette.color(QPalette::Active, QPalette::Highlight));
    palette.setColor(QPalette::Inactive, QPalette::HighlightedText,
                     palette.color(QPalette::Active, QPalette::HighlightedText));
    m_Memo1->setPalette(palette);
    buildStatusBar();
    buildMenus();

    auto *column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    column->addWidget(m_Panel1);
    column->addWidget(m_Memo1, 1);
    column->addWidget(m_editbar);
    setFocusProxy(m_Memo1);

    m_FindDialog1 = new FindDialog(this);
    m_FindDialog1->setOptions(FindOptions{true, false, false});
    connect(m_FindDialog1, &FindDialog::find, this, &TEditForm::FindDialog1Find);
    m_ColorDialog1 = new QColorDialog(this);
    m_ColorDialog1->setObjectName(QStringLiteral("ColorDialog1"));

    connect(m_Memo1, &EditArea::caretInput, this, &TEditForm::Memo1Caret);
    connect(m_Memo1, &QWidget::customContextMenuRequested, this,
            [this](const QPoint &at) { m_PopupMenu1->popup(m_Memo1->viewport()->mapToGlobal(at)); });

    readini();
}

TEditForm::~TEditForm()
{
    writeini();
}

void TEditForm::buildToolPanel()
{
    m_Panel1 = new QWidget(this);
    m_Panel1->setObjectName(QStringLiteral("Panel1"));
    auto *row = new QHBoxLayout(m_Panel1);
    row->setContentsMargins(4, 2, 4, 2);
    row->setSpacing(1);
    const auto addButton = [this, row](const char *name, const QIcon &icon, const QString &hint, void (TEditForm::*handler)()) {
        auto *button = new QToolButton(m_Panel1);
        button->setObjectName(QLatin1String(name));
        button->setAutoRaise(true);
        button->setFocusPolicy(Qt::NoFocus); // speed buttons leave the focus in the text
        button->setFixedSize(25, 25);
        button->setIcon(icon);
        button->setIconSize(QSize(20, 20));
        button->setToolTip(ui::hintText(hint));
        button->setProperty("hint", hint);
        row->addWidget(button);
        m_buttons.insert(QLatin1String(name), button);
        connect(button, &QToolButton::clicked, this, handler);
    };
    addButton("ToolBtnNew", ui::themedIcon("edit-copy"),
              QStringLiteral("Copier la selection"), &TEditForm::Copier1Click);
    addButton("ToolBtnOpen", ui::themedIcon("edit-paste"),
              QStringLiteral("Coller le presse papier"), &TEditForm::Coller1Click);
    addButton("ToolBtnSave", ui::themedIcon("edit-select-all"),
              QStringLiteral("Tout selectionner"), &TEditForm::toutselectionner1Click);
    addButton("ToolBtnSwap", ui::themedIcon("document-print"),
              QStringLiteral("Imprimer"), &TEditForm::Imprimer1Click);
    addButton("ToolButton2", ui::themedIcon("preferences-desktop-font"),
              QStringLiteral("Police "), &TEditForm::Fontes1Click);
    addButton("ToolButton3", ui::themedIcon("preferences-desktop-theme"),
              QStringLiteral("Couleur du fond"), &TEditForm::Couleur1Click);
    addButton("ToolButton5", ui::themedIcon("go-previous"), QStringLiteral("Fenetre precedente"),
              &TEditForm::Precedente1Click);
    addButton("ToolButton6", ui::themedIcon("go-next"), QStringLiteral("Fenetre suivante"),
              &TEditForm::Suivante1Click);
    m_CbWordWrap = new QCheckBox(QStringLiteral("Wordwrap"), m_Panel1);
    m_CbWordWrap->setObjectName(QStringLiteral("CbWordWrap"));
    row->addSpacing(8);
    row->addWidget(m_CbWordWrap);
    row->addStretch(1);
}

void TEditForm::buildStatusBar()
{
    m_editbar = new QStatusBar(this);
    m_editbar->setObjectName(QStringLiteral("editbar"));
    m_editbar->setSizeGripEnabled(false);
    static constexpr int widths[4] = {50, 115, 200, 50};
    for (int i = 0; i < 4; ++i) {
        auto *panel = new QLabel(m_editbar);
        panel->setObjectName(QStringLiteral("Panel%1").arg(i));
        panel->setFixedWidth(widths[i]);
        panel->setFrameStyle(QFrame::Panel | (i == 1 ? QFrame::Raised : QFrame::Sunken));
        if (i == 0 || i == 2)
            panel->setAlignment(Qt::AlignCenter);
        m_editbar->addWidget(panel);
        m_panels[i] = panel;
    }
    m_panels[1]->setText(QStringLiteral("Texte recherché : "));
}

QLabel *TEditForm::panel(int index) const
{
    return index >= 0 && index < 4 ? m_panels[index] : nullptr;
}

QAction *TEditForm::addItem(QMenu *menu, const QString &caption, const char *name, const QKeySequence &shortcut)
{
    QAction *item = menu->addAction(caption);
    item->setObjectName(QLatin1String(name));
    item->setShortcut(shortcut);
    m_actions.insert(QLatin1String(name), item);
    return item;
}

void TEditForm::buildMenus()
{
    // The menu's keys work wherever the focus is inside this window, and only there, so each
    // window answers its own F3, F4 and F5.
    const auto live = [this](QAction *item) {
        item->setShortcutContext(Qt::WidgetWithChildrenShortcut);
        addAction(item);
        return item;
    };
    // The pop-up repeats some of those keys; there they only work while the pop-up is open.
    const auto popupOnly = [](QAction *item) {
        item->setShortcutContext(Qt::WidgetShortcut);
        return item;
    };

    m_Trouve = new QMenu(QStringLiteral("&Trouve"), this);
    m_Trouve->setObjectName(QStringLiteral("Trouve"));
    connect(live(addItem(m_Trouve, QStringLiteral("&Recherche mot"), "Recherche1", QKeySequence(Qt::CTRL | Qt::Key_F))),
            &QAction::triggered, this, &TEditForm::Recherche1Click);
    QAction *next = live(addItem(m_Trouve, QStringLiteral("&Occurence suivante "), "Occurencesuivante1", QKeySequence(Qt::Key_F3)));
    next->setEnabled(false);
    connect(next, &QAction::triggered, this, &TEditForm::Occurencesuivante1Click);
    connect(live(addItem(m_Trouve, QStringLiteral("Recherche initiale"), "Rechercheinitiale1", QKeySequence(Qt::Key_F4))),
            &QAction::triggered, this, &TEditForm::Rechercheinitiale1Click);
    connect(live(addItem(m_Trouve, QStringLiteral("Marquer"), "Marquer1", QKeySequence(Qt::Key_F5))),
            &QAction::triggered, this, &TEditForm::Marquer1Click);

    m_PopupMenu1 = new QMenu(this);
    m_PopupMenu1->setObjectName(QStringLiteral("PopupMenu1"));
    QAction *mark = popupOnly(addItem(m_PopupMenu1, QStringLiteral("Marquer occurence"), "Marquer2", QKeySequence(Qt::Key_F5)));
    mark->setEnabled(false);
    connect(mark, &QAction::triggered, this, &TEditForm::Marquer1Click);
    QAction *occurrences = popupOnly(addItem(m_PopupMenu1, QStringLiteral("Trouve occurences"), "Rechercheinitiale2", QKeySequence(Qt::Key_F4)));
    occurrences->setEnabled(false);
    connect(occurrences, &QAction::triggered, this, &TEditForm::Rechercheinitiale2Click);
    connect(popupOnly(addItem(m_PopupMenu1, QStringLiteral("Trouve un mot "), "TrouvePop", QKeySequence(Qt::CTRL | Qt::Key_F))),
            &QAction::triggered, this, &TEditForm::Recherche1Click);
    connect(addItem(m_PopupMenu1, QStringLiteral("Debut"), "Home1"), &QAction::triggered, this, &TEditForm::Home1Click);
    m_PopupMenu1->addSeparator()->setObjectName(QStringLiteral("N1"));
    connect(addItem(m_PopupMenu1, QStringLiteral("Plein écran"), "Pleinecran1"), &QAction::triggered, this,
            &TEditForm::Pleinecran1Click);
    connect(addItem(m_PopupMenu1, QStringLiteral("Taille normale"), "Taillenormale1"), &QAction::triggered, this,
            &TEditForm::Taillenormale1Click);

    QMenu *windows = m_PopupMenu1->addMenu(QStringLiteral("Fenêtre"));
    windows->setObjectName(QStringLiteral("Fentre1"));
    m_actions.insert(QStringLiteral("Fentre1"), windows->menuAction());
    connect(addItem(windows, QStringLiteral("Mozaïque"), "Mozaque1"), &QAction::triggered, this, &TEditForm::Mozaque1Click);
    connect(addItem(windows, QStringLiteral("Cascade"), "Cascade1"), &QAction::triggered, this, &TEditForm::Cascade1Click);
    connect(addItem(windows, QStringLiteral("reduire"), "reduire1"), &QAction::triggered, this, &TEditForm::reduire1Click);
    connect(live(addItem(windows, QStringLiteral("Precedente"), "Precedente1", QKeySequence(Qt::SHIFT | Qt::CTRL | Qt::Key_Tab))),
            &QAction::triggered, this, &TEditForm::Precedente1Click);
    connect(live(addItem(windows, QStringLiteral("Suivante"), "Suivante1", QKeySequence(Qt::CTRL | Qt::Key_Tab))),
            &QAction::triggered, this, &TEditForm::Suivante1Click);

    QMenu *text = m_PopupMenu1->addMenu(QStringLiteral("Texte"));
    text->setObjectName(QStringLiteral("texte2"));
    m_actions.insert(QStringLiteral("texte2"), text->menuAction());
    connect(live(addItem(text, QStringLiteral("Copier "), "Copier1", QKeySequence(Qt::CTRL | Qt::Key_C))),
            &QAction::triggered, this, &TEditForm::Copier1Click);
    connect(live(addItem(text, QStringLiteral("Coller"), "Coller1", QKeySequence(Qt::CTRL | Qt::Key_V))),
            &QAction::triggered, this, &TEditForm::Coller1Click);
    connect(addItem(text, QStringLiteral("Tout selectionner"), "Toutselectionner1"), &QAction::triggered, this,
            &TEditForm::toutselectionner1Click);
    connect(addItem(text, QStringLiteral("Imprimer"), "Imprimer1"), &QAction::triggered, this, &TEditForm::Imprimer1Click);
    connect(addItem(text, QStringLiteral("Sauver selection"), "Sauverselection1"), &QAction::triggered, this,
            &TEditForm::sauverselection1Click);
    connect(addItem(m_PopupMenu1, QStringLiteral("Sauver"), "Sauver1"), &QAction::triggered, this,
            &TEditForm::sauverselection1Click);
    connect(live(addItem(m_PopupMenu1, QStringLiteral("Fermer ce fichier "), "Fermer", QKeySequence(Qt::CTRL | Qt::Key_F4))),
            &QAction::triggered, this, &TEditForm::FermerClick);
}

void TEditForm::readini()
{
    namespace child = settings::child;
    const settings::SettingsStore &store = m_store;
    QFont font(store.read(child::FontName));
    font.setPointSize(qMax(1, store.read(child::FontSize)));
    m_Memo1->setFont(font);
    setInk(colorFromColorref(store.read(child::Ink)));
    setBackground(colorFromColorref(store.read(child::Background)));
}

void TEditForm::writeini()
{
    namespace child = settings::child;
    settings::SettingsBatch batch;
    batch.write(child::Ink, colorrefFromColor(ink()));
    batch.write(child::Background, colorrefFromColor(background()));
    batch.write(child::FontSize, m_Memo1->font().pointSize());
    batch.write(child::FontName, m_Memo1->font().family());
    // A store that cannot be written keeps the colours and font of the window closed before.
    m_store.apply(batch);
}

QColor TEditForm::ink() const
{
    return m_Memo1->palette().color(QPalette::Text);
}

QColor TEditForm::background() const
{
    return m_Memo1->palette().color(QPalette::Base);
}

void TEditForm::setInk(const QColor &ink)
{
    QPalette palette = m_Memo1->palette();
    palette.setColor(QPalette::Text, ink);
    m_Memo1->setPalette(palette);
}

void TEditForm::setBackground(const QColor &background)
{
    QPalette palette = m_Memo1->palette();
    palette.setColor(QPalette::Base, background);
    m_Memo1->setPalette(palette);
}

bool TEditForm::openFile(const QString &path)
{
    // Between two pieces of a big file the windows are repainted, but the keyboard and the mouse
    // wait, and the window cannot be closed, until the whole text is in.
    QPointer<TEditForm> alive(this);
    const auto service = [alive] {
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        return !alive.isNull();
    };
    m_loading = true;
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    const bool loaded = m_file.load(path, *m_Memo1->document(), service);
    QGuiApplication::restoreOverrideCursor();
    if (!alive)
        return false;
    m_loading = false;
    if (!loaded) {
        m_error = m_file.errorString();
        return false;
    }
    m_Memo1->setCaret(0);
    setWindowTitle(path);
    const QString searched = m_searchText ? m_searchText() : QString();
    m_panels[2]->setText(searched);
    setSearchCommandsEnabled(!searched.isEmpty());
    update();
    return true;
}

void TEditForm::setText(const QString &text)
{
    m_Memo1->setPlainText(text);
}

QString TEditForm::text() const
{
    return m_Memo1->toPlainText();
}

void TEditForm::setSearchCommandsEnabled(bool enabled)
{
    for (const char *name : {"Rechercheinitiale1", "Rechercheinitiale2", "Marquer2", "Occurencesuivante1"})
        m_actions.value(QLatin1String(name))->setEnabled(enabled);
}

bool TEditForm::searchMemo(const QString &pattern, const FindOptions &options)
{
    const qsizetype start = m_Memo1->selectionStart();
    const auto found = DocumentSearch(m_Memo1->document()->buffer())
                           .find(start, m_Memo1->selectionEnd() - start, pattern, options);
    if (!found)
        return false;
    m_Memo1->setSelection(*found, *found + pattern.size());
    m_Memo1->ensureCaretVisible();
    return true;
}

void TEditForm::showNotFound(const QString &pattern)
{
    QMessageBox box(QMessageBox::NoIcon, QGuiApplication::applicationDisplayName(),
                    QStringLiteral("Ne trouve pas \"") + pattern + QStringLiteral("\"."), QMessageBox::Ok, this);
    box.setObjectName(QStringLiteral("MessageBox"));
    box.exec();
}

void TEditForm::findWithDialog()
{
    const QString pattern = m_FindDialog1->findText();
    if (!searchMemo(pattern, m_FindDialog1->options()))
        showNotFound(pattern);
}

void TEditForm::Recherche1Click()
{
    m_FindDialog1->show();
    m_FindDialog1->raise();
    m_FindDialog1->activateWindow();
    m_actions.value(QStringLiteral("Occurencesuivante1"))->setEnabled(true);
}

void TEditForm::FindDialog1Find()
{
    findWithDialog();
}

void TEditForm::Occurencesuivante1Click()
{
    if (m_FindDialog1->findText().isEmpty())
        m_FindDialog1->setFindText(m_searchText ? m_searchText() : QString());
    findWithDialog();
}

void TEditForm::Rechercheinitiale1Click()
{
    const QString saved = m_FindDialog1->findText();
    m_FindDialog1->setFindText(m_searchText ? m_searchText() : QString());
    findWithDialog();
    m_FindDialog1->setFindText(saved);
}

void TEditForm::Rechercheinitiale2Click()
{
    if (m_actions.value(QStringLiteral("Rechercheinitiale1"))->isEnabled())
        Rechercheinitiale1Click();
}

void TEditForm::Marquer1Click()
{
    m_SelFont.font = m_Memo1->font();
    m_SelFont.colour = ink().rgb() == Yellow.rgb() ? Red : Yellow;
    m_SelFont.font.setBold(true);

    const QString saved = m_FindDialog1->findText();
    const QString pattern = m_searchText ? m_searchText() : QString();
    m_FindDialog1->setFindText(pattern);

    TextDocument *document = m_Memo1->document();
    const qsizetype start = m_Memo1->selectionStart();
    const QList<qsizetype> found = DocumentSearch(document->buffer())
                                       .findSuccessive(start, m_Memo1->selectionEnd() - start, pattern,
                                                       m_FindDialog1->options());
    document->addMarks(found, pattern.size(), m_SelFont);

    m_Memo1->setCaret(0);
    m_FindDialog1->setFindText(saved);
}

void TEditForm::Fontes1Click()
{
    FontColourDialog *dialog = m_dialogs.fontDialog();
    dialog->setCurrent(m_Memo1->font(), ink());
    if (dialog->exec() != QDialog::Accepted)
        return;
    m_Memo1->setFont(dialog->selectedFont());
    setInk(dialog->selectedColour());
}

void TEditForm::Couleur1Click()
{
    m_ColorDialog1->setCurrentColor(background());
    if (m_ColorDialog1->exec() == QDialog::Accepted)
        setBackground(m_ColorDialog1->selectedColor());
}

void TEditForm::sauverselection1Click()
{
    m_dialogs.sauvefichier()->setWindowTitle(
        QStringLiteral("~Vorlane~ sauve le texte dans un fichier \".PAS\" ou \".TXT\" "));
    const QString chosen = m_dialogs.runSaveDialog();
    if (chosen.isEmpty())
        return;
    if (!m_file.savePlain(*m_Memo1->document(), chosen)) {
        ui::showFailure(this, m_file.errorString());
        return;
    }
    m_Memo1->document()->setModified(false);
}

void TEditForm::Imprimer1Click()
{
    if (m_Memo1->document()->isEmpty())
        return;
    const FrameDialogs::PrintRange range = m_dialogs.runPrintDialog(m_Memo1->hasSelection());
    if (range == FrameDialogs::PrintRange::Cancelled)
        return;
    const QStringList lines = range == FrameDialogs::PrintRange::Selection
        ? QStringList{QLatin1Char(' ') + m_Memo1->selectedText()}
        : linesToPrint(m_Memo1->document()->buffer());
    ui::TextPrinter printer(m_dialogs.printer());
    if (!printer.print(lines, m_Memo1->font()))
        ui::showFailure(this, printer.errorString());
}

void TEditForm::Copier1Click()
{
    m_Memo1->copy();
}

void TEditForm::Coller1Click()
{
    m_Memo1->paste();
}

void TEditForm::toutselectionner1Click()
{
    m_Memo1->selectAll();
}

void TEditForm::Home1Click()
{
    m_Memo1->setCaret(0);
    m_Memo1->ensureCaretVisible();
}

QMdiSubWindow *TEditForm::subWindow() const
{
    return qobject_cast<QMdiSubWindow *>(parentWidget());
}

QMdiArea *TEditForm::mdiArea() const
{
    QMdiSubWindow *window = subWindow();
    return window ? window->mdiArea() : nullptr;
}

void TEditForm::Pleinecran1Click()
{
    if (QMdiSubWindow *window = subWindow())
        window->showMaximized();
}

void TEditForm::Taillenormale1Click()
{
    if (QMdiSubWindow *window = subWindow())
        window->showNormal();
}

void TEditForm::reduire1Click()
{
    if (QMdiSubWindow *window = subWindow())
        window->showMinimized();
}

void TEditForm::Mozaque1Click()
{
    if (QMdiArea *area = mdiArea())
        ui::tileHorizontally(area);
}

void TEditForm::Cascade1Click()
{
    if (QMdiArea *area = mdiArea())
        area->cascadeSubWindows();
}

void TEditForm::Precedente1Click()
{
    if (QMdiArea *area = mdiArea())
        area->activatePreviousSubWindow();
}

void TEditForm::Suivante1Click()
{
    if (QMdiArea *area = mdiArea())
        area->activateNextSubWindow();
}

void TEditForm::FermerClick()
{
    if (QMdiSubWindow *window = subWindow())
        window->close();
    else
        close();
}

void TEditForm::Memo1Caret()
{
    const TextBuffer &text = m_Memo1->document()->buffer();
    const qsizetype start = m_Memo1->selectionStart();
    const qsizetype line = text.lineOf(start);
    m_panels[0]->setText(QStringLiteral("%1:%2").arg(line + 1).arg(start - text.lineStart(line)));
}

void TEditForm::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    // A window that appears takes the keyboard, so F4 works on it at once.
    m_Memo1->setFocus();
}

bool TEditForm::askSaveCopy(const QString &caption)
{
    QMessageBox box(QMessageBox::Information, QStringLiteral("Information"),
                    ui::displayedText(QStringLiteral("Le fichier ") + caption + QStringLiteral(" à été modifié ") +
                                      QLatin1Char('\r') + QStringLiteral("Sauvegarder une copie ?")),
                    QMessageBox::No | QMessageBox::Ok, this);
    box.setObjectName(QStringLiteral("MessageBox"));
    box.button(QMessageBox::No)->setText(QStringLiteral("Non"));
    return box.exec() == QMessageBox::Ok;
}

void TEditForm::closeEvent(QCloseEvent *event)
{
    if (m_loading) {
        event->ignore();
        return;
    }
    const QString caption = windowTitle();
    m_dialogs.setSaveFilter(closeSaveFilter(caption));
    m_dialogs.sauvefichier()->selectFile(caption.trimmed());
    bool saved = true;
    if (m_Memo1->document()->isModified() && askSaveCopy(caption)) {
        const QString chosen = m_dialogs.runSaveDialog();
        if (!chosen.isEmpty()) {
            saved = isRichTextName(chosen)
                ? m_file.saveRich(*m_Memo1->document(), chosen, m_Memo1->font(), ink())
                : m_file.savePlain(*m_Memo1->document(), chosen);
            if (!saved)
                ui::showFailure(this, m_file.errorString());
        }
    }
    m_dialogs.setSaveFilter(QString());
    // A copy that could not be written keeps the window open, so the text is not lost.
    if (saved)
        event->accept();
    else
        event->ignore();
}

} // namespace editor
