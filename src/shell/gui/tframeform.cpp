#include "shell/gui/tframeform.h"

#include "editor/gui/childmenumerger.h"
#include "editor/gui/fontcolourdialog.h"
#include "editor/gui/framedialogs.h"
#include "editor/gui/teditform.h"
#include "search/gui/contextpane.h"
#include "search/gui/externaleditoraction.h"
#include "search/gui/resultlistactions.h"
#include "search/gui/resultsview.h"
#include "search/gui/searchpresenter.h"
#include "search/gui/tchoix.h"
#include "settings/settingsbatch.h"
#include "settings/settingskeys.h"
#include "settings/settingsstore.h"
#include "shell/core/windowplacement.h"
#include "shell/gui/tpreferences.h"
#include "tools/gui/twabout.h"
#include "ui/contextmenukey.h"
#include "ui/core/fallbackfont.h"
#include "ui/hintstyle.h"
#include "ui/krhint.h"
#include "ui/mditiling.h"
#include "ui/messageboxes.h"
#include "ui/networkdrivedialog.h"
#include "ui/windowsfilter.h"
#include "ui/themedicon.h"
#include "ui/tmarscaption.h"

#include <QAction>
#include <QCloseEvent>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QMimeData>
#include <QPainter>
#include <QStatusBar>
#include <QStyle>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

namespace shell {

namespace {

// Source-file filter of the open dialog (also used to load result lists).
const QString SourceFileFilter = QStringLiteral(
    "Fichiers pascal (*.pas)|*.PAS|Fichiers C (*.C)|*.C|Fichiers texte (*.asc)|*.ASC|"
    "Fichiers texte (*.txt)|*.TXT|Fichiers texte (*.doc)|*.DOC|Tout les fichiers (*.*) |*.*");


/// The frame's gradient caption and the hints of the whole program.
void installCaptionAndHints(QWidget *frame)
{
    auto *caption = new ui::TMarsCaption(frame);
    caption->setObjectName(QStringLiteral("MarsCaption1"));
    caption->setActiveBeginColor(QColor(0, 0, 128));
    caption->setActiveEndColor(QColor(0, 255, 255));
    caption->setInactiveEndColor(Qt::white);
    caption->setApplicationNameFont(
        ui::fallbackFont(QStringLiteral("Brush Script MT"), 24, QFont::Cursive, true, true));
    caption->setCaptionFont(ui::fallbackFont(QStringLiteral("Arial"), 13, QFont::SansSerif, true));

    auto *hint = new ui::KrHint(frame);
    hint->setObjectName(QStringLiteral("KrHint1"));
    hint->setFont(ui::fallbackFont(QStringLiteral("MS Sans Serif"), 13, QFont::SansSerif, true), Qt::blue);
    hint->setColor(QColor(255, 255, 189));
    hint->setKind(ui::KrKind::KrRoundSquare);
    hint->setShadow(ui::KrShadow::shBottomRight);
}

} // namespace

Tframeform::Tframeform(const settings::SettingsStore &store, QWidget *parent) : QMainWindow(parent), m_store(store)
{
    setObjectName(QStringLiteral("frameform"));
    setWindowTitle(QStringLiteral("Recherche de chaine"));
    setGeometry(6, 4, 641, 480);
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(11);
    setFont(font);

    // Creation steps, in order.
    setAcceptDrops(true);
    m_startupDirectory = QDir::currentPath();
    ui::installHints();
    m_dialogs = new editor::FrameDialogs(this);
    buildResultsList();
    buildStatusBar();
    buildToolbar();
    buildMenus();
    buildOptionsMenu();
    new editor::ChildMenuMerger(m_mdi, menuBar(), m_windowMenu->menuAction(), this);
    connectTools();

    auto *client = new QWidget(this);
    auto *column = new QVBoxLayout(client);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    column->addWidget(m_Panel1);
    column->addWidget(m_Memo1, 1);
    column->addWidget(m_context);
    column->addWidget(m_mdi, 1);
    m_mdi->hide();
    setCentralWidget(client);
    installCaptionAndHints(this);

    readini();
}

Tframeform::~Tframeform()
{
    writeini();
    setAcceptDrops(false);
}

void Tframeform::readini()
{
    const WindowPlacement placement = WindowPlacement::read(m_store);
    m_startMaximized = placement.showCommand() == WindowPlacement::ShowMaximized;
    QFont listFont(m_store.read(settings::fontmdi::Name));
    listFont.setPointSize(std::max(1, m_store.read(settings::fontmdi::Size)));
    m_Memo1->setFont(listFont);
    // A first start keeps the designed position.
    if (const auto normal = placement.normalGeometry())
        setGeometry(*normal);
    applyListOptions();
}

void Tframeform::applyListOptions()
{
    m_Memo1->setHighlightMatches(m_store.read(settings::surlignage::Active));
    QAction *preview = m_actions.value(QStringLiteral("ApercuContexte1"));
    preview->setChecked(m_store.read(settings::apercucontexte::Visible));
    m_context->setVisible(preview->isChecked() && resultsVisible());
    updateEditorItem();
}

void Tframeform::updateEditorItem()
{
    QAction *item = m_actions.value(QStringLiteral("EditeurExterne1"));
    item->setVisible(m_store.read(settings::editeurexterne::Active));
    item->setEnabled(item->isVisible() && m_editorAction->target().has_value());
}

void Tframeform::writeini()
{
    const QRect normal = normalGeometry().isValid() ? normalGeometry() : geometry();
    const auto show = isMaximized() ? WindowPlacement::ShowMaximized
        : isMinimized()             ? WindowPlacement::ShowMinimized
                                    : WindowPlacement::ShowNormal;
    settings::SettingsBatch batch;
    WindowPlacement(show, normal).write(batch);
    batch.write(settings::fontmdi::Size, m_Memo1->font().pointSize());
    batch.write(settings::fontmdi::Name, m_Memo1->font().family());
    m_store.apply(batch);
}

void Tframeform::buildResultsList()
{
    m_Memo1 = new search::ResultsView(this);
    m_Memo1->setObjectName(QStringLiteral("Memo1"));
    m_Memo1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    QPalette grey = m_Memo1->palette();
    grey.setColor(QPalette::Base, QColor(0xC0, 0xC0, 0xC0));
    m_Memo1->setPalette(grey);
    m_Memo1->setContextMenuPolicy(Qt::CustomContextMenu);

    m_PopupMenu1 = new QMenu(this);
    m_PopupMenu1->setObjectName(QStringLiteral("PopupMenu1"));
    const auto addItem = [this](const QString &caption, const char *name) {
        QAction *item = m_PopupMenu1->addAction(caption);
        item->setObjectName(QLatin1String(name));
        m_actions.insert(QLatin1String(name), item);
        return item;
    };
    // The list's own actions; a double-click in the list views the file as well.
    m_listActions = new search::ResultListActions(m_Memo1, *this, *m_dialogs, m_startupDirectory,
                                                  [this] { return m_choix ? m_choix->searchText() : QString(); }, this);
    connect(addItem(QStringLiteral("Voir ce fichier"), "ouvre_fichier"), &QAction::triggered, m_listActions,
            &search::ResultListActions::ouvre_fichierClick);
    connect(addItem(QStringLiteral("&Execute ce fichier"), "Executecefichier1"), &QAction::triggered, m_listActions,
            &search::ResultListActions::Executecefichier1Click);
    connect(addItem(QStringLiteral("Ouvrir ce fichier"), "Extention"), &QAction::triggered, m_listActions,
            &search::ResultListActions::ExtentionClick);
    m_editorAction = new search::ExternalEditorAction(
        m_Memo1, [this] { return m_store.read(settings::editeurexterne::Command); }, this);
    connect(addItem(QStringLiteral("Ouvrir dans l'éditeur externe"), "EditeurExterne1"), &QAction::triggered,
            m_editorAction, &search::ExternalEditorAction::EditeurExterne1Click);
    connect(m_PopupMenu1, &QMenu::aboutToShow, this, &Tframeform::updateEditorItem);
    QAction *stop = addItem(QStringLiteral("Fin de  la recherche"), "stop1");
    stop->setEnabled(false);
    connect(stop, &QAction::triggered, this, &Tframeform::stop1Click);
    connect(m_Memo1, &QWidget::customContextMenuRequested, this,
            [this](const QPoint &at) { m_PopupMenu1->popup(m_Memo1->mapToGlobal(at)); });
    ui::addContextMenuKey(m_Memo1);

    m_context = new search::ContextPane(m_Memo1, this);
    m_context->hide();

    m_mdi = new QMdiArea(this);
    m_mdi->setObjectName(QStringLiteral("ClientArea"));
    m_mdi->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_mdi->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
}

void Tframeform::buildStatusBar()
{
    m_Barre = new QStatusBar(this);
    m_Barre->setObjectName(QStringLiteral("Barre"));
    m_Barre->setSizeGripEnabled(false);
    QFont bold(QStringLiteral("Arial"));
    bold.setPixelSize(11);
    bold.setBold(true);
    m_Barre->setFont(bold);
    m_Barre->setStyleSheet(QStringLiteral("QLabel { color: blue; }"));
    search::SearchDisplay display{this, m_Memo1, m_Barre, {}, m_actions.value(QStringLiteral("stop1"))};
    static constexpr int widths[10] = {35, 100, 35, 45, 30, 45, 35, 50, 35, 230};
    const QStringList labels = {QStringLiteral(" Mot : "), QString(), QStringLiteral("Lus :"), QString(),
                                QStringLiteral("Ok :"), QString(), QStringLiteral("Ln : "), QString(),
                                QStringLiteral("Fich :"), QString()};
    for (int i = 0; i < 10; ++i) {
        auto *panel = new QLabel(labels[i], m_Barre);
        panel->setObjectName(QStringLiteral("Panel%1").arg(i));
        // The last panel takes what is left, so the bar never widens the frame.
        if (i == 9)
            panel->setMinimumWidth(20);
        else
            panel->setFixedWidth(widths[i]);
        panel->setFrameStyle(QFrame::Panel | (i % 2 == 0 ? QFrame::Raised : QFrame::Sunken));
        if (i % 2 == 1 || i == 0)
            panel->setAlignment(Qt::AlignCenter);
        m_Barre->addWidget(panel, i == 9 ? 1 : 0);
        display.panels[static_cast<std::size_t>(i)] = panel;
    }
    setStatusBar(m_Barre);
    m_Barre->hide();
    m_search = new search::SearchPresenter(display, this);
}

QToolButton *Tframeform::addToolButton(const QString &name, const QIcon &icon, const QString &hint)
{
    auto *button = new QToolButton(m_Panel1);
    button->setObjectName(name);
    button->setAutoRaise(true);
    button->setFixedSize(25, 25);
    button->setIcon(icon);
    button->setIconSize(QSize(20, 20));
    button->setToolTip(ui::hintText(hint));
    m_Panel1->layout()->addWidget(button);
    m_buttons.insert(name, button);
    return button;
}

void Tframeform::buildToolbar()
{
    m_Panel1 = new QWidget(this);
    m_Panel1->setObjectName(QStringLiteral("Panel1"));
    m_Panel1->setFixedHeight(41);
    auto *row = new QHBoxLayout(m_Panel1);
    row->setContentsMargins(4, 8, 4, 8);
    row->setSpacing(1);
    const auto separator = [this] {
        auto *line = new QFrame(m_Panel1);
        line->setFrameShape(QFrame::VLine);
        line->setFrameShadow(QFrame::Sunken);
        m_Panel1->layout()->addWidget(line);
    };
    addToolButton(QStringLiteral("ToolBtnVorlane"), ui::themedIcon("system-search"),
                  QStringLiteral(" Rechercher une chaine \r dans les fichiers "));
    separator();
    addToolButton(QStringLiteral("ToolBtnNew"), ui::themedIcon("document-new"),
                  QStringLiteral(" Ouvre une fenetre vierge \r Dans l'editeur "));
    addToolButton(QStringLiteral("ToolBtnHtml"), ui::themedIcon("text-html"),
                  QStringLiteral("Visualise des fichiers HTML"));
    addToolButton(QStringLiteral("ToolBtnFtp"), ui::themedIcon("network-server"),
                  QStringLiteral("Connexion FTP"));
    addToolButton(QStringLiteral("ToolBtnRessource"), ui::themedIcon("application-x-executable"),
                  QStringLiteral("Exploreur de ressources"));
    addToolButton(QStringLiteral("ToolBtnReg"), ui::themedIcon("preferences-system"),
                  QStringLiteral("Ouvre la base de registre"));
    addToolButton(QStringLiteral("ToolBtnicone"), ui::themedIcon("image-x-generic"),
                  QStringLiteral(" Voir la liste des fichiers *.ICO \r les transformer en fichiers *.BMP "));
    addToolButton(QStringLiteral("ToolBtnMedia"), ui::themedIcon("multimedia-player"),
                  QStringLiteral(" Joue des fichiers multimedias "));
    addToolButton(QStringLiteral("ToolBtnFont"), ui::themedIcon("preferences-desktop-font"),
                  QStringLiteral("affiche les polices disponibles"));
    addToolButton(QStringLiteral("SpyBtn"), ui::themedIcon("preferences-system-windows"),
                  QStringLiteral("Voir toutes les fenetres ouvertes"));
    separator();
    addToolButton(QStringLiteral("ToolBtnSwap"), ui::themedIcon("view-refresh"),
                  QStringLiteral(" Bascule entre \r éditeur/écran de recherche "));
    addToolButton(QStringLiteral("ToolBtnpolice"), ui::themedIcon("font-x-generic"),
                  QStringLiteral(" Change les fontes pour la liste "));
    addToolButton(QStringLiteral("ToolBtnPrint"), ui::themedIcon("document-print"),
                  QStringLiteral(" Imprime la liste "));
    addToolButton(QStringLiteral("ToolBtnClearMemo"), ui::themedIcon("edit-delete"),
                  QStringLiteral(" Efface la liste "));
    addToolButton(QStringLiteral("ToolBtnOpen"), ui::themedIcon("document-open"),
                  QStringLiteral(" Ouvre listes recherche "));
    addToolButton(QStringLiteral("ToolBtnSave"), ui::themedIcon("document-save"),
                  QStringLiteral(" Sauve la liste recherche "));
    addToolButton(QStringLiteral("SpeedButton1"), ui::themedIcon("network-workgroup"),
                  QStringLiteral("Connecter reseau"));
    row->addStretch(1);

    connect(m_buttons["ToolBtnVorlane"], &QToolButton::clicked, this, &Tframeform::ToolBtnVorlaneClick);
    connect(m_buttons["ToolBtnNew"], &QToolButton::clicked, this, [this] { newchild(); });
    connect(m_buttons["ToolBtnSwap"], &QToolButton::clicked, this, &Tframeform::ToolBtnSwapClick);
    connect(m_buttons["ToolBtnpolice"], &QToolButton::clicked, this, &Tframeform::ToolBtnpoliceClick);
    connect(m_buttons["ToolBtnClearMemo"], &QToolButton::clicked, this, &Tframeform::ToolBtnClearMemoClick);
    connect(m_buttons["SpeedButton1"], &QToolButton::clicked, this, [this] { ui::connectNetworkDrive(this); });
    connect(m_buttons["ToolBtnPrint"], &QToolButton::clicked, m_listActions, &search::ResultListActions::ToolBtnPrintClick);
    connect(m_buttons["ToolBtnOpen"], &QToolButton::clicked, m_listActions, &search::ResultListActions::ToolBtnOpenClick);
    connect(m_buttons["ToolBtnSave"], &QToolButton::clicked, m_listActions, &search::ResultListActions::ToolBtnSaveClick);
}

void Tframeform::buildMenus()
{
    QMenuBar *bar = menuBar();
    bar->setObjectName(QStringLiteral("MainMenu1"));
    const auto addAction = [this](QMenu *menu, const QString &caption, const char *name) {
        QAction *item = menu->addAction(caption);
        item->setObjectName(QLatin1String(name));
        m_actions.insert(QLatin1String(name), item);
        return item;
    };

    QMenu *file = bar->addMenu(QStringLiteral("Fic&hier"));
    file->setObjectName(QStringLiteral("Fichier1"));
    connect(addAction(file, QStringLiteral("Charger"), "Charger1"), &QAction::triggered, m_listActions,
            &search::ResultListActions::ToolBtnOpenClick);
    file->addSeparator();
    connect(addAction(file, QStringLiteral("&Nouveau"), "Nouveau1"), &QAction::triggered, this, [this] { newchild(); });
    connect(addAction(file, QStringLiteral("&Ouvrir"), "Ouvrir1"), &QAction::triggered, this, &Tframeform::Ouvrir1Click);
    connect(addAction(file, QStringLiteral("enregistrer sous"), "enregistrersous1"), &QAction::triggered, m_listActions,
            &search::ResultListActions::ToolBtnSaveClick);
    connect(addAction(file, QStringLiteral("Imprimer"), "Imprimer1"), &QAction::triggered, m_listActions,
            &search::ResultListActions::ToolBtnPrintClick);
    connect(addAction(file, QStringLiteral("Configuration impression"), "Configurationimpression1"),
            &QAction::triggered, this, &Tframeform::Configurationimpression1Click);
    file->addSeparator();
    connect(addAction(file, QStringLiteral("&Quitter"), "Quitter1"), &QAction::triggered, this, &QWidget::close);

    m_windowMenu = bar->addMenu(QStringLiteral("&Fenêtre"));
    m_windowMenu->setObjectName(QStringLiteral("Fenetre1"));
    connect(m_windowMenu, &QMenu::aboutToShow, this, &Tframeform::fillWindowMenu);
    fillWindowMenu();

    QMenu *help = bar->addMenu(QStringLiteral("&Aide"));
    help->setObjectName(QStringLiteral("Aide1"));
    help->setEnabled(false);
    m_actions.insert(QStringLiteral("Aide1"), help->menuAction());

    QAction *info = bar->addAction(QStringLiteral("Info"));
    info->setObjectName(QStringLiteral("Info1"));
    m_actions.insert(QStringLiteral("Info1"), info);
    connect(info, &QAction::triggered, this, [this] { (new tools::TWAbout(this))->show(); });
}

void Tframeform::buildOptionsMenu()
{
    // Placed after the window menu, so the editor's menu still merges where it did.
    QMenu *options = new QMenu(QStringLiteral("&Options"), this);
    options->setObjectName(QStringLiteral("Options1"));
    menuBar()->insertMenu(m_actions.value(QStringLiteral("Aide1")), options);
    QAction *preview = options->addAction(QStringLiteral("Aperçu du &contexte"));
    preview->setObjectName(QStringLiteral("ApercuContexte1"));
    preview->setCheckable(true);
    m_actions.insert(QStringLiteral("ApercuContexte1"), preview);
    connect(preview, &QAction::triggered, this, &Tframeform::ApercuContexte1Click);
    QAction *preferences = options->addAction(QStringLiteral("&Préférences..."));
    preferences->setObjectName(QStringLiteral("Preferences1"));
    m_actions.insert(QStringLiteral("Preferences1"), preferences);
    connect(preferences, &QAction::triggered, this, &Tframeform::Preferences1Click);
}

void Tframeform::ApercuContexte1Click()
{
    const bool on = m_actions.value(QStringLiteral("ApercuContexte1"))->isChecked();
    m_context->setVisible(on && resultsVisible());
    if (!m_store.write(settings::apercucontexte::Visible, on))
        ui::showFailure(this, m_store.errorString());
}

void Tframeform::Preferences1Click()
{
    TPreferences dialog(m_store, this);
    if (dialog.edit())
        applyListOptions();
}

void Tframeform::fillWindowMenu()
{
    const bool hScroll = m_actions.contains(QStringLiteral("HScrollBar1"))
        ? m_actions[QStringLiteral("HScrollBar1")]->isChecked() : true;
    m_windowMenu->clear();
    const auto addAction = [this](const QString &caption, const char *name) {
        QAction *item = m_windowMenu->addAction(caption);
        item->setObjectName(QLatin1String(name));
        m_actions.insert(QLatin1String(name), item);
        return item;
    };
    connect(addAction(QStringLiteral("&Mosaique"), "Mosaique1"), &QAction::triggered, m_mdi,
            [this] { ui::tileHorizontally(m_mdi); });
    connect(addAction(QStringLiteral("&Cascade"), "Cascade1"), &QAction::triggered, m_mdi, &QMdiArea::cascadeSubWindows);
    connect(addAction(QStringLiteral("&Réorganiser les icones"), "Reorganiserlesicones1"), &QAction::triggered, this,
            &Tframeform::Reorganiserlesicones1Click);
    QAction *scroll = addAction(QStringLiteral("HScrollBar"), "HScrollBar1");
    scroll->setCheckable(true);
    scroll->setChecked(hScroll);
    connect(scroll, &QAction::triggered, this, &Tframeform::HScrollBar1Click);

    const QList<QMdiSubWindow *> children = m_mdi->subWindowList(QMdiArea::CreationOrder);
    if (!children.isEmpty())
        m_windowMenu->addSeparator();
    int number = 1;
    for (QMdiSubWindow *child : children) {
        QAction *item = m_windowMenu->addAction(QStringLiteral("&%1 %2").arg(number++).arg(child->windowTitle()));
        item->setCheckable(true);
        item->setChecked(child == m_mdi->activeSubWindow());
        connect(item, &QAction::triggered, this, [this, child] {
            setResultsVisible(false);
            m_mdi->setActiveSubWindow(child);
        });
    }
}

void Tframeform::connectTools()
{
    const QList<ToolWindowKind> kinds = toolWindowKinds();
    for (const char *name : {"ToolBtnHtml", "ToolBtnFtp", "ToolBtnRessource", "ToolBtnReg", "ToolBtnicone",
                             "ToolBtnMedia", "ToolBtnFont", "SpyBtn"}) {
        QToolButton *button = m_buttons.value(QLatin1String(name));
        button->setEnabled(false);
        for (const ToolWindowKind &kind : kinds) {
            if (kind.buttonName == QLatin1String(name)) {
                button->setEnabled(true);
                connect(button, &QToolButton::clicked, this, [this, kind] { openTool(kind); });
            }
        }
    }
}

QWidget *Tframeform::openTool(const ToolWindowKind &kind)
{
    QWidget *window = findToolWindow(kind.className);
    if (!window)
        window = kind.create(this, m_store);
    window->show();
    window->raise();
    window->activateWindow();
    return window;
}

editor::TEditForm *Tframeform::addChild()
{
    auto *child = new editor::TEditForm(*m_dialogs, m_store, [this] { return m_choix ? m_choix->searchText() : QString(); });
    QMdiSubWindow *frame = m_mdi->addSubWindow(child);
    frame->setAttribute(Qt::WA_DeleteOnClose);
    connect(child, &QWidget::windowTitleChanged, frame, &QWidget::setWindowTitle);
    return child;
}

editor::TEditForm *Tframeform::newchild()
{
    setResultsVisible(false);
    editor::TEditForm *child = addChild();
    child->parentWidget()->showMaximized();
    setListButtonsEnabled(resultsVisible());
    return child;
}

editor::TEditForm *Tframeform::openchild(const QString &fileName)
{
    setResultsVisible(false);
    QPointer<editor::TEditForm> child = addChild();
    // Shown before the text goes in, the edit area lays out each piece as it comes: laid out in
    // one go afterwards, a text of hundreds of megabytes takes much longer and needs more memory.
    child->parentWidget()->showMaximized();
    // A file that cannot be read leaves its (empty) window open behind the error box.
    const bool opened = child->openFile(fileName);
    if (!child)
        return nullptr; // closed while it loaded
    if (!opened)
        ui::showFailure(this, child->errorString());
    return child;
}

editor::TEditForm *Tframeform::textchild(const QString &caption, const QString &text)
{
    setResultsVisible(false);
    editor::TEditForm *child = addChild();
    child->setText(text);
    child->setWindowTitle(caption);
    child->parentWidget()->showMaximized();
    return child;
}

void Tframeform::setListButtonsEnabled(bool enabled)
{
    for (const char *name : {"ToolBtnpolice", "ToolBtnPrint", "ToolBtnOpen", "ToolBtnSave", "ToolBtnClearMemo"})
        m_buttons.value(QLatin1String(name))->setEnabled(enabled);
}

void Tframeform::ToolBtnVorlaneClick()
{
    if (!m_choix)
        return;
    m_choix->show();
    m_choix->raise();
    m_choix->activateWindow();
}

void Tframeform::searchInFolder(const QString &folder)
{
    if (m_choix)
        m_choix->setFolder(folder);
    setWindowState(windowState() & ~Qt::WindowMinimized);
    raise();
    activateWindow();
    ToolBtnVorlaneClick();
}

void Tframeform::ToolBtnSwapClick()
{
    setResultsVisible(!resultsVisible());
    setListButtonsEnabled(resultsVisible());
}

void Tframeform::ToolBtnClearMemoClick()
{
    if (resultsVisible())
        m_Memo1->clear();
}

void Tframeform::ToolBtnpoliceClick()
{
    editor::FontColourDialog *dialog = m_dialogs->fontDialog();
    dialog->setCurrent(m_Memo1->font(), m_Memo1->palette().color(QPalette::Text));
    if (dialog->exec() == QDialog::Accepted)
        m_Memo1->setFont(dialog->selectedFont());
}

void Tframeform::Ouvrir1Click()
{
    const QString start = m_choix ? m_choix->folder() : QDir::homePath();
    const QString file = QFileDialog::getOpenFileName(this, QString(), start,
                                                      ui::qtNameFilters(SourceFileFilter).join(QStringLiteral(";;")),
                                                      nullptr, QFileDialog::Options(ui::windowsFilterOptions()));
    if (!file.isEmpty())
        openchild(file);
}

void Tframeform::Configurationimpression1Click()
{
    setResultsVisible(true);
    m_dialogs->runPrinterSetupDialog();
}

void Tframeform::HScrollBar1Click()
{
    const bool on = m_actions.value(QStringLiteral("HScrollBar1"))->isChecked();
    m_mdi->setHorizontalScrollBarPolicy(on ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
}

void Tframeform::Reorganiserlesicones1Click()
{
    // Minimised children are lined up along the bottom of the client area.
    int x = 0;
    for (QMdiSubWindow *child : m_mdi->subWindowList(QMdiArea::CreationOrder)) {
        if (!child->isMinimized())
            continue;
        const QSize size = child->size();
        child->move(x, m_mdi->viewport()->height() - size.height());
        x += size.width();
    }
}

void Tframeform::stop1Click()
{
    m_search->stop();
}

void Tframeform::clearResults()
{
    m_search->clearResults();
}

void Tframeform::setResultsVisible(bool visible)
{
    m_Memo1->setVisible(visible);
    m_context->setVisible(visible && m_actions.value(QStringLiteral("ApercuContexte1"))->isChecked());
    m_mdi->setVisible(!visible);
}

bool Tframeform::resultsVisible() const
{
    return !m_Memo1->isHidden();
}

bool Tframeform::searchRunning() const
{
    return m_search->running();
}

bool Tframeform::runSearch(const search::SearchRequest &request)
{
    return m_search->run(request);
}

void Tframeform::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    if (!m_shownOnce) {
        m_shownOnce = true;
        if (m_startMaximized)
            QTimer::singleShot(0, this, &QWidget::showMaximized);
        QTimer::singleShot(0, this, &Tframeform::ToolBtnVorlaneClick);
    }
}

void Tframeform::changeEvent(QEvent *event)
{
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        update();
}

void Tframeform::closeEvent(QCloseEvent *event)
{
    // A running search is asked to stop; the frame closes once it has unwound.
    if (m_search->deferClose()) {
        event->ignore();
        return;
    }
    QList<QMdiSubWindow *> children = m_mdi->subWindowList(QMdiArea::CreationOrder);
    while (!children.isEmpty()) {
        QMdiSubWindow *last = children.takeLast();
        if (!last->close()) {
            event->ignore();
            return;
        }
    }
    event->accept();
}

void Tframeform::dragEnterEvent(QDragEnterEvent *event)
{
    if (event->mimeData()->hasUrls())
        event->acceptProposedAction();
}

void Tframeform::dropEvent(QDropEvent *event)
{
    for (const QUrl &url : event->mimeData()->urls()) {
        const QString name = url.toLocalFile();
        if (name.isEmpty())
            continue;
        openchild(name);
    }
    event->acceptProposedAction();
}

} // namespace shell
