#include "search/gui/tchoix.h"

#include "images/gui/picturepreview.h"
#include "images/gui/tglyphdlg.h"
#include "platform/shell.h"
#include "search/core/asciicase.h"
#include "search/core/excludedfolders.h"
#include "search/core/searchrequest.h"
#include "search/gui/searchhost.h"
#include "search/gui/tdossiersexclus.h"
#include "settings/settingsstore.h"
#include "ui/core/fallbackfont.h"
#include "ui/drivebox.h"
#include "ui/filelist.h"
#include "ui/folderlist.h"
#include "ui/foldernavigator.h"
#include "ui/messageboxes.h"
#include "ui/named.h"
#include "ui/radiogroup.h"
#include "ui/tmarscaption.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QFileInfo>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QScreen>
#include <QSpinBox>
#include <QToolButton>

namespace search {

namespace {

using ui::named;

const QString PaleYellow = QStringLiteral("#FFFFC0");
const QString DirectoryGone = QStringLiteral("Le répertoire n'existe plus\r (attention aux disques amovibles)!");
constexpr int JpgItem = 3, GifItem = 4, BmpItem = 5, ExeItem = 6;
// Entries of this run's history that are kept for the next one.
constexpr int MaxStoredHistory = 256;

bool isImageItem(int item)
{
    return item == JpgItem || item == GifItem || item == BmpItem;
}

// A drive root is the one folder whose first "/" is its last character.
bool isRoot(const QString &folder)
{
    return folder.indexOf('/') == folder.size() - 1;
}

/// The dialog's gradient caption; every point of the dialog is client area, so it does not move.
void installCaption(QWidget *dialog)
{
    auto *caption = new ui::TMarsCaption(dialog);
    caption->setObjectName(QStringLiteral("MarsCaption1"));
    caption->setActiveBeginColor(QColor(0, 0, 160));
    caption->setActiveEndColor(QColor(128, 255, 255));
    caption->setApplicationNameFont(ui::fallbackFont(QStringLiteral("MS Sans Serif"), 11, QFont::SansSerif, true));
    caption->setCaptionFont(ui::fallbackFont(QStringLiteral("MS Sans Serif"), 11, QFont::SansSerif));
    caption->setCaptionIsClient(true);
}

} // namespace

Tchoix::Tchoix(SearchHost &host, const settings::SettingsStore &store, QWidget *parent)
    : QDialog(parent), m_host(host), m_store(store)
{
    setObjectName(QStringLiteral("choix"));
    setWindowTitle(QStringLiteral("Configuration de la recherche"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setFixedSize(635, 424);
    QFont font(QStringLiteral("Sans Serif"));
    font.setPixelSize(11);
    font.setBold(true);
    setFont(font);
    setAutoFillBackground(true);
    QPalette silver = palette();
    silver.setColor(QPalette::Window, QColor(0xC0, 0xC0, 0xC0));
    silver.setColor(QPalette::Disabled, QPalette::WindowText, QColor(0x80, 0x80, 0x80));
    silver.setColor(QPalette::Disabled, QPalette::ButtonText, QColor(0x80, 0x80, 0x80));
    silver.setColor(QPalette::Disabled, QPalette::Text, QColor(0x80, 0x80, 0x80));
    setPalette(silver);

    buildControls();
    connectControls();
    m_picturePreview = new images::PicturePreview(
        {this, m_choix_ext, m_filtre_rep, m_Panel1, m_Image1, m_optionVoirImage, m_optionStretch, m_optionExport,
         m_BitBtnConvert, m_Hexport, m_Vexport},
        [this](const QString &message) { ui::showFailure(this, message); }, this);

    // Creation steps, in order.
    m_optionExport->setEnabled(false);
    m_histo_comm->lineEdit()->selectAll();
    readini();
    m_Edit1->setText(folder());
    addFolderToHistory(folder());
    for (int i = 0; i <= m_navigator->driveBox()->count(); ++i)
        m_ListPath->addItem(QStringLiteral(" "));

    installCaption(this);
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

Tchoix::~Tchoix()
{
    writeini();
}

void Tchoix::readini()
{
    namespace keys = settings;
    const settings::SettingsStore &store = m_store;
    m_navigator->restore(store.read(keys::chemin::Drive), store.read(keys::chemin::Folder));
    m_choix_ext->setItemIndex(std::clamp(store.read(keys::preference::Extension), 0, m_choix_ext->itemCount() - 1));
    m_choix_rep->setItemIndex(store.read(keys::preference::WalkMode) == 1 ? 1 : 0);
    m_optionMaj->setChecked(store.read(keys::preference::RespectCase));
    m_OptionOccur->setChecked(store.read(keys::preference::FirstOccurrence));
    m_optionVoirImage->setChecked(store.read(keys::preference::ImagePreview));
    m_optionExclus->setChecked(store.read(keys::exclusions::Enabled));
    m_excludedFolders = excludedFoldersFromText(store.read(keys::exclusions::Names));
    m_optionUtf16->setChecked(store.read(keys::utf16::Enabled));

    // The history holds as many entries as the section has values, entry i being "Histo i".
    const QStringList values = store.readSection(QLatin1String(keys::section::SearchHistory));
    m_histo_comm->addItems(values);
    for (int i = 0; i < values.size(); ++i)
        m_histo_comm->setItemText(i, store.readString(QLatin1String(keys::section::SearchHistory),
                                                      keys::history::key(i), QString()));
    m_histo_comm->setEditText(QString());
}

void Tchoix::writeini()
{
    namespace keys = settings;
    settings::SettingsBatch batch;
    batch.write(keys::chemin::Drive, m_navigator->driveBox()->drive());
    batch.write(keys::chemin::Folder, folder());
    batch.write(keys::preference::Extension, std::max(0, selectedExtensionItem()));
    batch.write(keys::preference::WalkMode, std::max(0, m_choix_rep->itemIndex()));
    batch.write(keys::preference::RespectCase, m_optionMaj->isChecked());
    batch.write(keys::preference::FirstOccurrence, m_OptionOccur->isChecked());
    batch.write(keys::preference::ImagePreview, m_optionVoirImage->isChecked());
    batch.write(keys::exclusions::Enabled, m_optionExclus->isChecked());
    batch.write(keys::exclusions::Names, excludedFoldersText(m_excludedFolders));
    batch.write(keys::utf16::Enabled, m_optionUtf16->isChecked());
    // The stored history becomes the strings searched during this run, in their first order.
    const QString history = QLatin1String(keys::section::SearchHistory);
    batch.eraseSection(history);
    int written = 0;
    for (int i = 0; i < std::min(m_histo_comm2->count(), MaxStoredHistory); ++i) {
        const QString entry = m_histo_comm2->itemText(i);
        if (!entry.isEmpty())
            batch.writeString(history, keys::history::key(written++), entry);
    }
    m_store.apply(batch);
}

void Tchoix::buildControls()
{
    m_navigator = new ui::FolderNavigator(this);
    m_navigator->setDriveMemory(true);
    m_navigator->driveBox()->setGeometry(8, 8, 150, 22);
    m_navigator->rootButton()->setGeometry(162, 8, 22, 22);
    m_navigator->parentButton()->setGeometry(186, 8, 22, 22);
    m_navigator->folderList()->setGeometry(8, 34, 200, 150);
    m_filtre_rep = m_navigator->fileList();
    m_filtre_rep->setGeometry(8, 190, 200, 168);
    m_filtre_rep->setMask(QStringLiteral("*.PAS"));
    m_filtre_rep->setContextMenuPolicy(Qt::CustomContextMenu);
    m_Edit3 = named(new QLineEdit(this), "Edit3");
    m_Edit3->hide();
    m_Edit4 = named(new QLineEdit(this), "Edit4");
    m_Edit4->setReadOnly(true);
    m_Edit4->setGeometry(8, 362, 200, 20);
    m_Edit4->setStyleSheet(QStringLiteral("color: blue; font-weight: bold;"));
    m_Label3 = named(new QLabel(QStringLiteral("Fichiers selectionnés :"), this), "Label3");
    m_Label3->setGeometry(8, 388, 260, 16);
    m_Label3->setStyleSheet(QStringLiteral("color: blue;"));

    m_choix_ext = named(new ui::RadioGroup(QStringLiteral("choix extention"),
                                           {QStringLiteral("*.PAS"), QStringLiteral("*.TXT"),
                                            QStringLiteral("*.C"), QStringLiteral("*.JPG"),
                                            QStringLiteral("*.GIF"), QStringLiteral("*.BMP"),
                                            QStringLiteral("*.EXE"), QStringLiteral("*.*"),
                                            QStringLiteral("*.HTM"), QStringLiteral("*.INI")},
                                           2, this),
                        "choix_ext");
    m_choix_ext->setGeometry(216, 4, 200, 112);
    m_Label2 = named(new QLabel(QStringLiteral("Autre : "), this), "Label2");
    m_Label2->setGeometry(220, 122, 50, 20);
    m_Edit2 = named(new QLineEdit(this), "Edit2");
    m_Edit2->setGeometry(272, 120, 44, 22);
    m_Edit2->setMaxLength(3);
    m_Edit2->setStyleSheet(QStringLiteral("background: %1;").arg(PaleYellow));
    m_Edit2->installEventFilter(this);
    m_Edit2->setMouseTracking(true);
    m_choix_rep = named(new ui::RadioGroup(QStringLiteral("choix_rep"),
                                           {QStringLiteral("Rep Seul"), QStringLiteral("Sous rep")}, 2, this),
                        "choix_rep");
    m_choix_rep->setGeometry(216, 146, 200, 40);

    m_GroupBox1 = named(new QGroupBox(QStringLiteral("Options"), this), "GroupBox1");
    m_GroupBox1->setGeometry(216, 190, 200, 150);
    auto *labelSearch = new QLabel(QStringLiteral("Recherche "), m_GroupBox1);
    labelSearch->setGeometry(8, 16, 80, 14);
    labelSearch->setStyleSheet(QStringLiteral("color: red; text-decoration: underline;"));
    m_optionMaj = named(new QCheckBox(QStringLiteral("Respect MAJ"), m_GroupBox1), "optionMaj");
    m_optionMaj->setGeometry(8, 30, 120, 18);
    m_OptionOccur = named(new QCheckBox(QStringLiteral("1ere occurrence"), m_GroupBox1), "OptionOccur");
    m_OptionOccur->setGeometry(8, 48, 130, 18);
    m_OptionOccur->setChecked(true);
    auto *labelImage = new QLabel(QStringLiteral("Image"), m_GroupBox1);
    labelImage->setGeometry(8, 68, 80, 14);
    labelImage->setStyleSheet(QStringLiteral("color: red; text-decoration: underline;"));
    m_optionVoirImage = named(new QCheckBox(QStringLiteral("Apperçu image"), m_GroupBox1), "optionVoirImage");
    m_optionVoirImage->setGeometry(8, 82, 118, 18);
    m_optionStretch = named(new QCheckBox(QStringLiteral("stretch"), m_GroupBox1), "optionStretch");
    m_optionStretch->setGeometry(128, 82, 68, 18);
    m_optionStretch->setChecked(true);
    m_optionExport = named(new QCheckBox(QStringLiteral("Exporte (reduite)"), m_GroupBox1), "optionExport");
    m_optionExport->setGeometry(8, 102, 180, 18);
    m_BitBtnConvert = named(new QPushButton(QStringLiteral("Conv jpg/bmp"), m_GroupBox1), "BitBtnConvert");
    m_BitBtnConvert->setGeometry(8, 122, 100, 22);
    m_BitBtnConvert->setAutoDefault(false);

    m_GroupBox2 = named(new QGroupBox(QStringLiteral("Taille reduction"), this), "GroupBox2");
    m_GroupBox2->setGeometry(216, 344, 200, 46);
    auto *labelH = new QLabel(QStringLiteral("H"), m_GroupBox2);
    labelH->setGeometry(8, 20, 12, 18);
    m_Hexport = named(new QSpinBox(m_GroupBox2), "Hexport");
    m_Hexport->setGeometry(22, 18, 60, 22);
    auto *labelV = new QLabel(QStringLiteral("V"), m_GroupBox2);
    labelV->setGeometry(100, 20, 12, 18);
    m_Vexport = named(new QSpinBox(m_GroupBox2), "Vexport");
    m_Vexport->setGeometry(114, 18, 60, 22);
    for (QSpinBox *size : {m_Hexport, m_Vexport}) {
        size->setRange(16, 145);
        size->setValue(72);
    }

    m_Panel1 = named(new QFrame(this), "Panel1");
    m_Panel1->setFrameShape(QFrame::Box);
    m_Panel1->setGeometry(450, 6, 151, 151);
    m_Panel1->hide();
    m_Image1 = named(new QLabel(m_Panel1), "Image1");
    m_Image1->setGeometry(1, 1, 149, 149);
    m_Image1->setAlignment(Qt::AlignCenter);
    m_Image1->setToolTip(QStringLiteral("cliquer pour taille reelle !"));

    m_strsearch = named(new QLabel(QStringLiteral("Chaîne recherchée :"), this), "strsearch");
    m_strsearch->setGeometry(424, 166, 203, 18);
    m_strsearch->setStyleSheet(QStringLiteral("background: yellow;"));
    m_histo_comm = named(new QComboBox(this), "histo_comm");
    m_histo_comm->setEditable(true);
    m_histo_comm->setInsertPolicy(QComboBox::NoInsert);
    m_histo_comm->setGeometry(424, 186, 203, 22);
    m_histo_comm->setStyleSheet(QStringLiteral("QComboBox, QComboBox QLineEdit { background: %1; }").arg(PaleYellow));
    m_Label1 = named(new QLabel(QStringLiteral("C:\\projets\\vorlane"), this), "Label1");
    m_Label1->setGeometry(424, 212, 203, 16);
    m_Label1->setStyleSheet(QStringLiteral("color: navy; font-weight: bold;"));
    m_HistoDir = named(new QComboBox(this), "HistoDir");
    m_HistoDir->setGeometry(424, 230, 203, 22);
    m_HistoDir->setStyleSheet(QStringLiteral("QComboBox { background: %1; }").arg(PaleYellow));
    m_HistoDir->installEventFilter(this);

    m_OKBtn = named(new QPushButton(QStringLiteral("Ok"), this), "OKBtn");
    m_OKBtn->setGeometry(424, 262, 98, 26);
    m_OKBtn->setToolTip(QStringLiteral("Lance la recherche"));
    m_OKBtn->setEnabled(false);
    m_OKBtn->setDefault(true);
    m_SpeedButton2 = named(new QPushButton(QStringLiteral("Voir"), this), "SpeedButton2");
    m_SpeedButton2->setGeometry(529, 262, 98, 26);
    m_SpeedButton2->setToolTip(QStringLiteral("Ouvre un fichier selectionné"));
    m_SpeedButton2->setEnabled(false);
    m_SpeedButton1 = named(new QPushButton(QStringLiteral("Execute"), this), "SpeedButton1");
    m_SpeedButton1->setGeometry(424, 294, 98, 26);
    m_SpeedButton1->setToolTip(QStringLiteral("Lance un fichier \"EXE\""));
    m_SpeedButton1->setEnabled(false);
    m_SpeedButton7 = named(new QPushButton(QStringLiteral("Boutons"), this), "SpeedButton7");
    m_SpeedButton7->setGeometry(529, 294, 98, 26);
    m_SpeedButton7->setToolTip(QStringLiteral("Voir des \"BMP\" dans des boutons comme \"glyph\""));
    m_SpeedButton7->setEnabled(false);
    m_SpeedButton3 = named(new QPushButton(QStringLiteral("Cacher"), this), "SpeedButton3");
    m_SpeedButton3->setGeometry(424, 326, 98, 26);
    m_optionExclus = named(new QCheckBox(QStringLiteral("Dossiers exclus"), this), "optionExclus");
    m_optionExclus->setGeometry(424, 362, 120, 18);
    m_BtnExclus = named(new QPushButton(QStringLiteral("Liste..."), this), "BtnExclus");
    m_BtnExclus->setGeometry(549, 360, 78, 22);
    m_BtnExclus->setToolTip(QStringLiteral("Noms des dossiers que la recherche laisse de côté"));
    m_optionUtf16 = named(new QCheckBox(QStringLiteral("Texte UTF-16"), this), "optionUtf16");
    m_optionUtf16->setGeometry(424, 386, 203, 18);
    m_optionUtf16->setToolTip(QStringLiteral("Lit comme du texte les fichiers qui commencent par une marque UTF-16"));
    for (QPushButton *button : {m_SpeedButton2, m_SpeedButton1, m_SpeedButton7, m_SpeedButton3, m_BtnExclus})
        button->setAutoDefault(false);

    m_Edit1 = named(new QLineEdit(this), "Edit1");
    m_Edit1->setReadOnly(true);
    m_Edit1->hide();
    m_histo_comm2 = named(new QComboBox(this), "histo_comm2");
    m_histo_comm2->hide();
    m_ListPath = named(new QComboBox(this), "ListPath");
    m_ListPath->hide();

    m_PopupMenu1 = named(new QMenu(this), "PopupMenu1");
    m_PopupMenu1->addAction(QStringLiteral("Ouvrir Selection"), this, &Tchoix::SpeedButton2Click)
        ->setObjectName(QStringLiteral("Toutouvrir1"));
    m_PopupMenu1->addAction(QStringLiteral("Executer Selection"), this, &Tchoix::SpeedButton1Click)
        ->setObjectName(QStringLiteral("Executer_selection"));
}

void Tchoix::connectControls()
{
    connect(m_OKBtn, &QPushButton::clicked, this, &Tchoix::OKBtnClick);
    connect(m_BtnExclus, &QPushButton::clicked, this, &Tchoix::BtnExclusClick);
    connect(m_SpeedButton2, &QPushButton::clicked, this, &Tchoix::SpeedButton2Click);
    connect(m_SpeedButton1, &QPushButton::clicked, this, &Tchoix::SpeedButton1Click);
    connect(m_SpeedButton3, &QPushButton::clicked, this, &Tchoix::SpeedButton3Click);
    connect(m_SpeedButton7, &QPushButton::clicked, this, &Tchoix::SpeedButton7Click);
    connect(m_choix_ext, &ui::RadioGroup::clicked, this, &Tchoix::choix_extClick);
    connect(m_Edit2, &QLineEdit::textEdited, this, [this](const QString &text) {
        const QString upper = text.toUpper();
        if (upper != text)
            m_Edit2->setText(upper);
    });
    connect(m_Edit2, &QLineEdit::textChanged, this, &Tchoix::Edit2Change);
    connect(m_histo_comm, &QComboBox::editTextChanged, this, &Tchoix::histo_commChange);
    connect(m_HistoDir, &QComboBox::activated, this, &Tchoix::HistoDirChange);
    connect(m_navigator, &ui::FolderNavigator::folderChanged, this, &Tchoix::Repert_ListChange);
    connect(m_navigator, &ui::FolderNavigator::failed, this, [this](const QString &message) {
        ui::showFailure(this, message);
    });
    // The hidden "ListPath" shows the navigator's per-drive memory, " " where none.
    connect(m_navigator, &ui::FolderNavigator::folderRemembered, this, [this](int index, const QString &folder) {
        if (index < m_ListPath->count())
            m_ListPath->setItemText(index, folder);
    });
    connect(m_navigator->folderList(), &QListWidget::itemClicked, this, &Tchoix::Repert_ListClick);
    connect(m_filtre_rep, &ui::FileList::changed, this, &Tchoix::filtre_repChange);
    connect(m_filtre_rep, &ui::FileList::keyReleased, this, &Tchoix::filtre_repChange);
    connect(m_filtre_rep, &ui::FileList::mouseReleased, this, &Tchoix::filtre_repChange);
    connect(m_filtre_rep, &QListWidget::itemDoubleClicked, this, &Tchoix::SpeedButton2Click);
    connect(m_filtre_rep, &QWidget::customContextMenuRequested, this,
            [this](const QPoint &at) { m_PopupMenu1->popup(m_filtre_rep->mapToGlobal(at)); });
}

QString Tchoix::searchText() const
{
    return m_histo_comm->currentText();
}

QString Tchoix::folder() const
{
    return m_navigator->folder();
}

bool Tchoix::setFolder(const QString &path)
{
    return m_navigator->setFolder(path);
}

int Tchoix::selectedExtensionItem() const
{
    return m_choix_ext->itemIndex();
}

SearchRequest Tchoix::currentRequest() const
{
    SearchRequest request;
    request.text = searchText();
    request.caseSensitive = m_optionMaj->isChecked();
    request.firstOccurrence = m_OptionOccur->isChecked();
    if (!m_Edit2->text().isEmpty())
        request.extension = m_Edit2->text().left(3);
    else
        request.extension = ExtensionCodes.value(std::max(0, selectedExtensionItem()));
    QString start = m_Edit1->text();
    if (isRoot(start))
        start.chop(1);
    request.folder = start;
    request.walkMode = m_choix_rep->itemIndex() == 1 ? WalkMode::WithSubfolders : WalkMode::FolderOnly;
    if (m_optionExclus->isChecked())
        request.excludedFolders = m_excludedFolders;
    request.utf16 = m_optionUtf16->isChecked();
    return request;
}

void Tchoix::BtnExclusClick()
{
    TDossiersExclus dialog(m_excludedFolders, this);
    if (dialog.exec() == QDialog::Accepted)
        m_excludedFolders = dialog.names();
}

void Tchoix::addToHistory(QComboBox *box, const QString &text)
{
    if (box->findText(text, Qt::MatchFixedString) < 0)
        box->addItem(text);
}

void Tchoix::addFolderToHistory(const QString &folder)
{
    const QSignalBlocker quiet(m_HistoDir);
    addToHistory(m_HistoDir, folder);
    m_HistoDir->setCurrentIndex(m_HistoDir->findText(folder, Qt::MatchFixedString));
}

void Tchoix::OKBtnClick()
{
    QString text = searchText();
    if (text.isEmpty() || m_host.searchRunning())
        return;
    if (!m_optionMaj->isChecked()) {
        text = asciiUpper(text);
        m_histo_comm->setEditText(text);
    }
    addToHistory(m_histo_comm, text);
    addToHistory(m_histo_comm2, text);
    m_histo_comm->setEditText(text);
    m_host.clearResults();
    m_host.setResultsVisible(true);
    hide();
    if (m_Edit2->text().isEmpty() && selectedExtensionItem() < 0)
        m_choix_ext->setItemIndex(0);
    if (m_host.runSearch(currentRequest()))
        addFolderToHistory(m_Edit1->text());
}

void Tchoix::choix_extClick()
{
    const int item = selectedExtensionItem();
    {
        const QSignalBlocker quiet(m_Edit2);
        m_Edit2->clear();
    }
    m_filtre_rep->setMask(m_choix_ext->itemText(item));
    if (isImageItem(item)) {
        m_filtre_rep->setMultiSelect(false);
    } else {
        m_Panel1->hide();
        m_filtre_rep->setMultiSelect(true);
    }
    m_SpeedButton1->setEnabled(item == ExeItem);
    m_SpeedButton7->setEnabled(isImageItem(item));
    m_picturePreview->kindChanged();
}

void Tchoix::Edit2Change()
{
    // Only the item selected at this change counts: the first letter typed clears the choice,
    // so erasing what was typed comes back to item 0.
    const int remembered = selectedExtensionItem();
    m_choix_ext->setItemIndex(-1);
    const QString text = m_Edit2->text();
    if (!text.isEmpty()) {
        m_filtre_rep->setMask(QStringLiteral("*.") + text);
    } else {
        m_choix_ext->setItemIndex(remembered >= 0 ? remembered : 0);
    }
}

void Tchoix::filtre_repChange()
{
    m_optionExport->setChecked(false);
    m_Edit4->setText(QStringLiteral("  ") + QString::number(m_filtre_rep->count()) + QStringLiteral(" fichier(s)"));
    if (m_filtre_rep->multiSelect())
        m_Label3->setText(QStringLiteral("Nb de fichiers selectionnés :  ") + QString::number(m_filtre_rep->selectedCount()));
    else
        m_Label3->setText(QStringLiteral("Nb de fichiers selectionnés :  1"));
    m_SpeedButton2->setEnabled(m_filtre_rep->selectedCount() > 0);
    m_picturePreview->filtre_repChange();
}

void Tchoix::SpeedButton2Click()
{
    const QStringList names = m_filtre_rep->selectedFileNames();
    if (names.isEmpty())
        return;
    m_host.setResultsVisible(true);
    m_host.swapResults();
    addFolderToHistory(m_Edit1->text());
    QString prefix = m_Edit1->text();
    if (!isRoot(m_filtre_rep->directory()))
        prefix += '/';
    m_Edit1->setText(prefix);
    for (const QString &name : names)
        m_host.openChild(prefix + name);
    m_Edit1->setText(m_filtre_rep->directory());
}

void Tchoix::SpeedButton1Click()
{
    m_filtre_rep->setMultiSelect(m_filtre_rep->selectedCount() < 2);
    const QString path = m_filtre_rep->currentFilePath();
    if (!path.isEmpty())
        platform::shellExecute(path, m_filtre_rep->directory());
}

void Tchoix::SpeedButton7Click()
{
    addFolderToHistory(m_Edit1->text());
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (auto *glyphs = qobject_cast<images::TGlyphDlg *>(window)) {
            glyphs->show();
            glyphs->raise();
            glyphs->activateWindow();
            return;
        }
    }
    if (m_filtre_rep->count() == 0)
        return;
    (new images::TGlyphDlg(m_filtre_rep->directory(), this))->show();
}

void Tchoix::SpeedButton3Click()
{
    hide();
}

// The navigator has already shown the new folder's files.
void Tchoix::Repert_ListChange()
{
    m_Edit1->setText(folder());
    addFolderToHistory(folder());
}

void Tchoix::Repert_ListClick()
{
    const QString current = m_filtre_rep->currentFilePath();
    if (!current.isEmpty() && !QFileInfo::exists(current))
        m_navigator->fallBackToCurrentDirectory();
}

void Tchoix::HistoDirChange(int index)
{
    const QString previous = folder();
    const QString chosen = m_HistoDir->itemText(index);
    if (!setFolder(chosen)) {
        ui::showError(this, DirectoryGone);
        setFolder(previous);
        addFolderToHistory(previous);
        m_Edit1->setText(previous);
    }
}

void Tchoix::histo_commChange()
{
    m_OKBtn->setEnabled(!m_histo_comm->currentText().isEmpty());
}

void Tchoix::FormActivate()
{
    m_navigator->refresh();
}

void Tchoix::keyPressEvent(QKeyEvent *event)
{
    if (m_picturePreview->keyPress(event->key())) {
        event->accept();
        return;
    }
    // Escape does not close the dialog: only "Cacher" hides it.
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void Tchoix::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    activateWindow();
    m_histo_comm->setFocus();
}

void Tchoix::changeEvent(QEvent *event)
{
    QDialog::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        FormActivate();
}

bool Tchoix::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_HistoDir && (event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease))
        return true;
    if (watched == m_Edit2 && (event->type() == QEvent::MouseMove || event->type() == QEvent::Enter)
        && m_Edit2->text().isEmpty() && selectedExtensionItem() < 0)
        m_choix_ext->setItemIndex(0);
    return QDialog::eventFilter(watched, event);
}

} // namespace search
