#include "images/gui/tboite_icone.h"

#include "images/core/bitmapwriter.h"
#include "images/core/iconfile.h"
#include "images/core/iconsaveoptions.h"
#include "images/core/iconwriter.h"
#include "images/core/imageerrors.h"
#include "images/core/savenames.h"
#include "images/gui/tsaveiconsdialog.h"
#include "ui/drivebox.h"
#include "ui/filelist.h"
#include "ui/folderlist.h"
#include "ui/foldernavigator.h"
#include "ui/themedicon.h"
#include "ui/messageboxes.h"

#include <QDir>
#include <QEvent>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QSignalBlocker>
#include <QSplitter>
#include <QStatusBar>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

namespace images {

namespace {

constexpr int FileNameRole = Qt::UserRole;
constexpr int LargeSide = 32;
constexpr int SmallSide = 16;
constexpr int ThumbnailShown = 24;

QString bmpFilter()
{
    return QStringLiteral("Fichiers BMP (*.BMP)|*.BMP");
}

} // namespace

Tboite_icone::Tboite_icone(const settings::SettingsStore &store, QWidget *parent)
    : QWidget(parent), m_store(store)
{
    setWindowFlag(Qt::Window);
    setAttribute(Qt::WA_DeleteOnClose);
    setObjectName(QStringLiteral("boite_icone"));
    setWindowTitle(QStringLiteral("Voir les Icones"));
    m_askName = [this](const SaveRequest &request) { return askSaveName(this, request); };
    m_askOptions = [this](std::uint16_t &word) { return TSaveIconsDialog::askSaveOptions(word, this); };
    buildControls();
    connectControls();
    readini();
    // Without a window manager to maximise it, the window still covers the screen.
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        setGeometry(screen->availableGeometry());
    setWindowState(windowState() | Qt::WindowMaximized);
}

Tboite_icone::~Tboite_icone()
{
    writeini();
}

void Tboite_icone::buildControls()
{
    ui::FolderNavigator::Names names;
    names.drive = QStringLiteral("lecteur_icone");
    names.folders = QStringLiteral("dir_icone");
    names.files = QStringLiteral("fichier_icone");
    m_navigator = new ui::FolderNavigator(this, names);
    m_navigator->setDriveMemory(true);
    m_lecteur_icone = m_navigator->driveBox();
    m_BtnRacine = m_navigator->rootButton();
    m_BtnPrecRep = m_navigator->parentButton();
    m_dir_icone = m_navigator->folderList();
    m_fichier_icone = m_navigator->fileList();
    m_fichier_icone->setMask(QStringLiteral("*.ico"));
    m_fichier_icone->setMultiSelect(false);
    m_BtnRacine->setToolTip(QStringLiteral("Repetoire racine"));
    m_BtnPrecRep->setToolTip(QStringLiteral("Remonte d'un repertoire"));

    m_Panel1 = new QFrame(this);
    m_Panel1->setObjectName(QStringLiteral("Panel1"));
    m_Panel1->setFixedHeight(44);
    m_Panel1->setFrameShape(QFrame::Panel);
    m_Panel1->setFrameShadow(QFrame::Raised);

    m_Panel2 = new QFrame(m_Panel1);
    m_Panel2->setObjectName(QStringLiteral("Panel2"));
    m_Panel2->setFixedSize(38, 38);
    m_Panel2->setFrameShape(QFrame::Panel);
    m_Panel2->setFrameShadow(QFrame::Sunken);
    m_image_icone = new QLabel(m_Panel2);
    m_image_icone->setObjectName(QStringLiteral("image_icone"));
    m_image_icone->setAlignment(Qt::AlignCenter);
    auto *iconFrame = new QHBoxLayout(m_Panel2);
    iconFrame->setContentsMargins(0, 0, 0, 0);
    iconFrame->addWidget(m_image_icone, 0, Qt::AlignCenter);

    m_Image1 = new QLabel(m_Panel1);
    m_Image1->setObjectName(QStringLiteral("Image1"));
    m_Image1->setFixedSize(ThumbnailShown, ThumbnailShown);
    m_Image1->setToolTip(QStringLiteral("Exporte en 24X24"));
    m_Image1->setCursor(Qt::PointingHandCursor);
    m_Image1->installEventFilter(this);

    m_BtnTailleIcone = new QToolButton(m_Panel1);
    m_BtnTailleIcone->setObjectName(QStringLiteral("BtnTailleIcone"));
    m_BtnTailleIcone->setIcon(ui::themedIcon("document-save-as"));
    m_BtnTailleIcone->setToolTip(QStringLiteral("Exporte la selection"));

    m_lecteur_icone->setParent(m_Panel1);
    m_lecteur_icone->setMinimumWidth(160);
    m_BtnRacine->setParent(m_Panel1);
    m_BtnPrecRep->setParent(m_Panel1);
    auto *tools = new QHBoxLayout(m_Panel1);
    tools->setContentsMargins(4, 2, 4, 2);
    tools->addWidget(m_Panel2);
    tools->addWidget(m_Image1);
    tools->addSpacing(8);
    tools->addWidget(m_lecteur_icone);
    tools->addWidget(m_BtnRacine);
    tools->addWidget(m_BtnPrecRep);
    tools->addWidget(m_BtnTailleIcone);
    tools->addStretch();

    m_savebmp = new QLineEdit(this);
    m_savebmp->setObjectName(QStringLiteral("savebmp"));
    m_savebmp->hide();

    m_ListView = new QListWidget(this);
    m_ListView->setObjectName(QStringLiteral("ListView"));
    m_ListView->setViewMode(QListView::IconMode);
    m_ListView->setIconSize(QSize(LargeSide, LargeSide));
    m_ListView->setGridSize(QSize(LargeSide + 12, LargeSide + 12));
    m_ListView->setResizeMode(QListView::Adjust);
    m_ListView->setMovement(QListView::Static);
    m_ListView->setWrapping(true);
    m_ListView->setUniformItemSizes(true);
    m_ListView->setSelectionMode(QAbstractItemView::ExtendedSelection);
    // Items have no caption, so the selection shows on the icon's cell.
    m_ListView->setStyleSheet(QStringLiteral("QListView::item:selected { background: palette(highlight); }"));

    m_Splitter1 = new QSplitter(Qt::Horizontal, this);
    m_Splitter1->setObjectName(QStringLiteral("Splitter1"));
    m_Splitter1->addWidget(m_fichier_icone);
    m_Splitter1->addWidget(m_ListView);
    m_Splitter1->setStretchFactor(1, 1);
    m_Splitter1->setSizes({180, 600});
    m_dir_icone->setFixedWidth(200);

    m_StatusBar = new QStatusBar(this);
    m_StatusBar->setObjectName(QStringLiteral("StatusBar"));
    m_StatusBar->setSizeGripEnabled(false);
    const QStringList texts{QStringLiteral("  Icones lues : "), QStringLiteral("Total Icones : "), QString()};
    const int widths[] = {200, 200, 50};
    for (int i = 0; i < texts.size(); ++i) {
        auto *panel = new QLabel(texts.at(i), m_StatusBar);
        panel->setMinimumWidth(widths[i]);
        panel->setFrameShape(QFrame::Panel);
        panel->setFrameShadow(QFrame::Sunken);
        m_StatusBar->addWidget(panel, i == 2 ? 1 : 0);
        m_panels.append(panel);
    }

    auto *middle = new QHBoxLayout;
    middle->setContentsMargins(0, 0, 0, 0);
    middle->setSpacing(2);
    middle->addWidget(m_dir_icone);
    middle->addWidget(m_Splitter1, 1);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    layout->addWidget(m_Panel1);
    layout->addLayout(middle, 1);
    layout->addWidget(m_StatusBar);

    m_thumbnail = QImage(LargeSide, LargeSide, QImage::Format_RGB32);
    drawThumbnail();
}

void Tboite_icone::connectControls()
{
    connect(m_navigator, &ui::FolderNavigator::folderChanged, this, &Tboite_icone::dir_iconeChange);
    connect(m_navigator, &ui::FolderNavigator::failed, this,
            [this](const QString &message) { ui::showFailure(this, message); });
    connect(m_fichier_icone, &ui::FileList::changed, this, &Tboite_icone::fichier_iconeChange);
    connect(m_fichier_icone, &ui::FileList::mouseReleased, this, &Tboite_icone::fichier_iconeChange);
    connect(m_ListView, &QListWidget::clicked, this, &Tboite_icone::ListViewClick);
    connect(m_BtnTailleIcone, &QToolButton::clicked, this, &Tboite_icone::BtnTailleIconeClick);
}

void Tboite_icone::readini()
{
    bool restored = false;
    {
        // The folder names its drive: the drive box follows it without a drive change of its own.
        const QSignalBlocker quiet(m_lecteur_icone);
        restored = m_lecteur_icone->setDrive(m_store.read(settings::iconpath::Drive));
    }
    if (!restored || !m_navigator->setFolder(m_store.read(settings::iconpath::Folder)))
        m_navigator->fallBackToCurrentDirectory();
}

void Tboite_icone::writeini()
{
    settings::SettingsBatch batch;
    batch.write(settings::iconpath::Drive, m_lecteur_icone->drive());
    batch.write(settings::iconpath::Folder, m_navigator->folder());
    m_store.apply(batch);
}

QString Tboite_icone::fileNameOf(int row) const
{
    const QListWidgetItem *item = m_ListView->item(row);
    return item ? item->data(FileNameRole).toString() : QString();
}

QString Tboite_icone::statusText(int panel) const
{
    return m_panels.value(panel) ? m_panels.at(panel)->text() : QString();
}

void Tboite_icone::setPanel(int panel, const QString &text)
{
    m_panels.at(panel)->setText(text);
}

QString Tboite_icone::pathOf(const QString &name) const
{
    return QDir(m_navigator->folder()).filePath(name);
}

void Tboite_icone::dir_iconeChange()
{
    // The file list already follows the folder list; the first folder, set when the window is
    // made, is not listed.
    if (++m_directoryChanges > 1)
        Button1Click();
}

void Tboite_icone::Button1Click()
{
    m_ListIcone.clear();
    m_SmallIcons.clear();
    m_ListView->clear();
    const int files = m_fichier_icone->count();
    setPanel(1, QStringLiteral("  Total Icones : ") + QString::number(files));
    try {
        for (int i = 0; i < files; ++i) {
            m_cursorStep = m_cursorStep % platform::BusyCursors::count + 1;
            platform::showScreenCursor(m_cursors, m_cursorStep);
            const QString name = m_fichier_icone->item(i)->text();
            const IconFile icon = IconFile::load(pathOf(name));
            const QImage large = icon.picture(LargeSide);
            const QImage small = icon.picture(SmallSide);
            setPanel(0, QStringLiteral("  Icones lues : ") + QString::number(m_ListView->count()));
            setPanel(2, QStringLiteral("  ") + name);
            m_StatusBar->repaint();
            m_SmallIcons.append(small);
            m_ListIcone.append(large);
            QIcon both(QPixmap::fromImage(large));
            both.addPixmap(QPixmap::fromImage(small));
            auto *item = new QListWidgetItem(both, QString(), m_ListView);
            item->setData(FileNameRole, name);
            item->setToolTip(name);
        }
        setPanel(2, QString());
        platform::showScreenCursor(m_cursors, 0);
    } catch (const ImageError &error) {
        platform::showScreenCursor(m_cursors, 0);
        ui::showFailure(this, error.message());
    }
}

void Tboite_icone::fichier_iconeChange()
{
    setPanel(1, QStringLiteral("  Total Icones : ") + QString::number(m_fichier_icone->count()));
    const QString name = m_fichier_icone->currentFileName();
    m_savebmp->setText(name);
    if (!name.isEmpty()) {
        const QString path = pathOf(name);
        try {
            m_currentIcon = IconFile::load(path).picture(LargeSide);
            m_failedPath.clear();
        } catch (const ImageError &error) {
            m_currentIcon = QImage();
            // The list signals each change several ways: say it once per file.
            if (path != m_failedPath) {
                m_failedPath = path;
                ui::showFailure(this, error.message());
            }
        }
        m_image_icone->setPixmap(QPixmap::fromImage(m_currentIcon));
        m_image_icone->repaint();
    }
    drawThumbnail();
}

void Tboite_icone::drawThumbnail()
{
    m_thumbnail.fill(QColor(192, 192, 192));
    if (!m_currentIcon.isNull()) {
        QPainter painter(&m_thumbnail);
        painter.drawImage(0, 0, m_currentIcon);
    }
    m_Image1->setPixmap(QPixmap::fromImage(m_thumbnail.scaled(ThumbnailShown, ThumbnailShown)));
}

void Tboite_icone::ListViewClick()
{
    const QList<QListWidgetItem *> selected = m_ListView->selectedItems();
    if (selected.isEmpty())
        return;
    int first = m_ListView->row(selected.first());
    for (QListWidgetItem *item : selected)
        first = std::min(first, m_ListView->row(item));
    setPanel(2, fileNameOf(first));
}

void Tboite_icone::BtnTailleIconeClick()
{
    QList<int> rows;
    for (QListWidgetItem *item : m_ListView->selectedItems())
        rows.append(m_ListView->row(item));
    if (rows.isEmpty())
        return;
    std::sort(rows.begin(), rows.end());
    std::uint16_t word = m_options;
    if (!m_askOptions(word))
        return;
    m_options = word;
    const IconSaveOptions options = IconSaveOptions::fromWord(word);
    const QString folder = m_navigator->folder();
    for (int row : rows) {
        const QImage &picture = options.side() == LargeSide ? m_ListIcone.at(row) : m_SmallIcons.at(row);
        const QString name = SaveNames::unusedName(SaveNames::withExtension(fileNameOf(row), options.extension()), folder);
        QString target = QDir(folder).filePath(name);
        if (options.naming() == IconSaveOptions::AskName) {
            SaveRequest request;
            request.folder = folder;
            request.proposedName = name;
            request.filter = bmpFilter();
            request.title = m_saveTitle;
            request.confirmOverwrite = false;
            request.dialogName = QStringLiteral("SauveBmp");
            target = m_askName(request);
            if (target.isEmpty())
                return;
        }
        try {
            if (options.isBitmap())
                BitmapWriter::write(picture, target);
            else
                IconWriter::write(picture, target);
        } catch (const ImageError &) {
            ui::showError(this, QStringLiteral("Impossible d'enregistrer l'image dans le fichier %1").arg(target));
        }
    }
}

void Tboite_icone::Image1Click()
{
    m_saveTitle = QStringLiteral("~Convertir~ Icone vers BMP");
    SaveRequest request;
    request.folder = m_navigator->folder();
    request.proposedName = m_savebmp->text().chopped(std::min<qsizetype>(4, m_savebmp->text().size()));
    request.filter = bmpFilter();
    request.title = m_saveTitle;
    request.confirmOverwrite = false;
    request.dialogName = QStringLiteral("SauveBmp");
    const QString chosen = m_askName(request);
    if (chosen.isEmpty())
        return;
    try {
        BitmapWriter::write(m_thumbnail, SaveNames::withBmpSuffix(chosen));
    } catch (const ImageError &error) {
        ui::showFailure(this, error.message());
    }
}

void Tboite_icone::rereadFromDisk()
{
    m_lecteur_icone->refresh();
    if (!m_dir_icone->refresh()) {
        m_navigator->fallBackToCurrentDirectory();
        return;
    }
    m_fichier_icone->refresh();
}

void Tboite_icone::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    // Files may have come and gone while the window was in the background.
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        rereadFromDisk();
}

bool Tboite_icone::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_Image1 && event->type() == QEvent::MouseButtonRelease
        && static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton) {
        Image1Click();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace images
