#include "media/gui/tmultimedia.h"

#include "media/core/durationtext.h"
#include "media/core/mediadevice.h"
#include "media/core/playerrules.h"
#include "media/gui/mediabuttons.h"
#include "media/gui/tcddialog.h"
#include "ui/drivebox.h"
#include "ui/filelist.h"
#include "ui/folderlist.h"
#include "ui/foldernavigator.h"
#include "ui/messageboxes.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QMouseEvent>
#include <QShowEvent>
#include <QSignalBlocker>
#include <QSlider>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>
#include <QVideoWidget>

namespace media {

namespace {

const QColor Aqua(0x00, 0xFF, 0xFF);
const QColor Teal(0x00, 0x80, 0x80);
const QColor LightYellow(0xFF, 0xFF, 0x80);

const QString NoFileText = QStringLiteral("Vide");
const QString NoDurationText = QStringLiteral("00 h:00 m:00 s");
const QString CannotPlayText = QStringLiteral("Lecture impossible");

template <typename W>
W *named(W *widget, const char *name)
{
    widget->setObjectName(QLatin1String(name));
    return widget;
}

QWidget *blackPanel(const char *name, QWidget *parent)
{
    auto *panel = named(new QWidget(parent), name);
    panel->setAutoFillBackground(true);
    QPalette black = panel->palette();
    black.setColor(QPalette::Window, Qt::black);
    black.setColor(QPalette::WindowText, Qt::white);
    panel->setPalette(black);
    return panel;
}

void setTextColour(QWidget *widget, const QColor &colour)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, colour);
    widget->setPalette(palette);
}

// A class whose name the program looks for among its top-level windows.
QWidget *findWindowOfClass(const char *className)
{
    for (QWidget *top : QApplication::topLevelWidgets()) {
        QString name = QString::fromLatin1(top->metaObject()->className());
        name = name.mid(name.lastIndexOf(QLatin1Char(':')) + 1);
        if (name == QLatin1String(className))
            return top;
    }
    return nullptr;
}

} // namespace

Tmultimedia::Tmultimedia(const settings::SettingsStore &store, QWidget *owner) : QWidget(owner), m_store(store)
{
    setObjectName(QStringLiteral("multimedia"));
    setWindowFlag(Qt::Window);
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Lecteur multimedia"));
    resize(640, 480);
    m_MediaPlayer1 = new MediaDevice(this);
    buildControls();
    connectControls();
    readini();
    m_Timer1->start();
}

Tmultimedia::~Tmultimedia()
{
    writeini();
    m_Playing = false;
    m_MediaPlayer1->close();
}

void Tmultimedia::buildControls()
{
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);

    // Left: drives, folders, files and the extra extension.
    ui::FolderNavigator::Names names;
    names.folders = QStringLiteral("repert_list");
    m_navigator = new ui::FolderNavigator(this, names);
    m_navigator->setDriveMemory(true);
    m_navigator->rootButton()->setToolTip(QStringLiteral("repertoire racine"));
    m_navigator->parentButton()->setToolTip(QStringLiteral("repertoire precedent"));
    ui::FileList *files = m_navigator->fileList();
    files->setMultiSelect(false);
    files->setMask(QLatin1String(player::DesignedMask));
    auto *left = named(new QWidget(this), "PanelFichiers");
    auto *leftLayout = new QVBoxLayout(left);
    leftLayout->setContentsMargins(0, 0, 0, 0);
    auto *driveRow = new QHBoxLayout;
    m_navigator->driveBox()->setParent(left);
    m_navigator->rootButton()->setParent(left);
    m_navigator->parentButton()->setParent(left);
    driveRow->addWidget(m_navigator->driveBox(), 1);
    driveRow->addWidget(m_navigator->rootButton());
    driveRow->addWidget(m_navigator->parentButton());
    leftLayout->addLayout(driveRow);
    m_navigator->folderList()->setParent(left);
    files->setParent(left);
    leftLayout->addWidget(m_navigator->folderList(), 1);
    leftLayout->addWidget(files, 1);
    auto *extensionRow = new QHBoxLayout;
    extensionRow->addWidget(named(new QLabel(QStringLiteral("Autre extention"), left), "Label1"));
    m_ext_supl = named(new QComboBox(left), "ext_supl");
    m_ext_supl->setEditable(true);
    m_ext_supl->setInsertPolicy(QComboBox::NoInsert);
    m_ext_supl->lineEdit()->setMaxLength(3);
    m_ext_supl->setToolTip(QStringLiteral("Taper un nom d'extention (3 lettres)"));
    QPalette yellow = m_ext_supl->palette();
    yellow.setColor(QPalette::Base, LightYellow);
    m_ext_supl->setPalette(yellow);
    m_ext_supl->lineEdit()->setPalette(yellow);
    m_ext_supl->installEventFilter(this);
    m_ext_supl->lineEdit()->installEventFilter(this);
    extensionRow->addWidget(m_ext_supl, 1);
    leftLayout->addLayout(extensionRow);
    layout->addWidget(left, 2);

    // Right: the media control, the bars, the texts, the time display and the picture.
    auto *right = named(new QWidget(this), "PanelLecteur");
    auto *rightLayout = new QVBoxLayout(right);
    rightLayout->setContentsMargins(0, 0, 0, 0);
    auto *controlRow = new QHBoxLayout;
    m_buttons = named(new MediaButtons(*m_MediaPlayer1, right), "MediaPlayer1");
    m_CdBtn = named(new QToolButton(right), "CdBtn");
    m_CdBtn->setText(QStringLiteral("CD"));
    m_CdBtn->setIcon(style()->standardIcon(QStyle::SP_DriveCDIcon));
    m_CdBtn->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    m_CdBtn->setToolTip(QStringLiteral("CD AUDIO"));
    controlRow->addWidget(m_buttons, 1);
    controlRow->addWidget(m_CdBtn);
    rightLayout->addLayout(controlRow);

    auto *panel4 = named(new QWidget(right), "Panel4");
    auto *panel4Layout = new QGridLayout(panel4);
    panel4Layout->setContentsMargins(0, 0, 0, 0);
    panel4Layout->addWidget(named(new QLabel(QStringLiteral("Position : "), panel4), "Label8"), 0, 0);
    m_trk = named(new QSlider(Qt::Horizontal, panel4), "trk");
    m_trk->setRange(0, player::BarMaximum);
    m_trk->setTickInterval(5);
    m_trk->setTickPosition(QSlider::TicksBelow);
    panel4Layout->addWidget(m_trk, 0, 1);
    m_boucle = named(new QCheckBox(QStringLiteral(" Répéter "), panel4), "boucle");
    panel4Layout->addWidget(m_boucle, 0, 2);
    panel4Layout->addWidget(named(new QLabel(QStringLiteral("Volume  : "), panel4), "Label3"), 1, 0);
    m_Volume = named(new QSlider(Qt::Horizontal, panel4), "Volume");
    m_Volume->setRange(0, player::VolumeMaximum);
    m_Volume->setTickInterval(1);
    m_Volume->setPageStep(1);
    m_Volume->setTickPosition(QSlider::TicksBelow);
    panel4Layout->addWidget(m_Volume, 1, 1);
    m_Zoom = named(new QCheckBox(QStringLiteral("Zoom"), panel4), "Zoom");
    panel4Layout->addWidget(m_Zoom, 1, 2);
    rightLayout->addWidget(panel4);

    QWidget *panel3 = blackPanel("Panel3", right);
    auto *panel3Layout = new QGridLayout(panel3);
    panel3Layout->addWidget(named(new QLabel(QStringLiteral("Nom du fichier          : "), panel3), "Fichier"), 0, 0);
    panel3Layout->addWidget(named(new QLabel(QStringLiteral("Durée                          :"), panel3), "Label2"), 1, 0);
    panel3Layout->addWidget(named(new QLabel(QStringLiteral("Etat du lecteur          :"), panel3), "Label5"), 2, 0);
    m_Label4 = named(new QLabel(NoFileText, panel3), "Label4");
    m_Label6 = named(new QLabel(NoDurationText, panel3), "Label6");
    m_Label7 = named(new QLabel(QStringLiteral("Fermé"), panel3), "Label7");
    for (QLabel *value : {m_Label4, m_Label6, m_Label7})
        setTextColour(value, Qt::yellow);
    panel3Layout->addWidget(m_Label4, 0, 1);
    panel3Layout->addWidget(m_Label6, 1, 1);
    panel3Layout->addWidget(m_Label7, 2, 1);
    panel3Layout->setColumnStretch(1, 1);
    rightLayout->addWidget(panel3);

    QWidget *panel2 = blackPanel("Panel2", right);
    auto *panel2Layout = new QHBoxLayout(panel2);
    m_Afficheur = named(new QLabel(QStringLiteral("00:00:00"), panel2), "Afficheur");
    QFont clock = m_Afficheur->font();
    clock.setPixelSize(24);
    clock.setBold(true);
    clock.setStretch(QFont::Condensed);
    m_Afficheur->setFont(clock);
    m_Afficheur->setAlignment(Qt::AlignCenter);
    setTextColour(m_Afficheur, Aqua);
    panel2Layout->addWidget(m_Afficheur);
    rightLayout->addWidget(panel2);

    m_Panel1 = blackPanel("Panel1", right);
    auto *panel1Layout = new QVBoxLayout(m_Panel1);
    panel1Layout->setContentsMargins(0, 0, 0, 0);
    // A video widget stays hidden while there are no pictures: until it draws, it shows nothing
    // of its own, so the black panel shows instead.
    m_video = named(new QVideoWidget(m_Panel1), "Video");
    m_video->hide();
    panel1Layout->addWidget(m_video);
    rightLayout->addWidget(m_Panel1, 1);
    layout->addWidget(right, 3);

    // The zoomed display covers the whole window; it is kept apart from the window's controls.
    m_zoomPanel = blackPanel("ZoomPanel", this);
    auto *zoomLayout = new QVBoxLayout(m_zoomPanel);
    zoomLayout->setContentsMargins(0, 0, 0, 0);
    m_zoomVideo = named(new QVideoWidget(m_zoomPanel), "ZoomVideo");
    m_zoomVideo->hide();
    zoomLayout->addWidget(m_zoomVideo);
    m_zoomPanel->hide();
    m_zoomPanel->installEventFilter(this);
    m_zoomVideo->installEventFilter(this);
    m_MediaPlayer1->setDisplay(m_video);

    m_Timer1 = named(new QTimer(this), "Timer1");
    m_Timer1->setInterval(1000);
}

void Tmultimedia::connectControls()
{
    connect(m_Timer1, &QTimer::timeout, this, &Tmultimedia::Timer1Timer);
    connect(m_navigator->fileList(), &ui::FileList::changed, this, [this] { fileListChanged(false); });
    connect(m_navigator->fileList(), &QListWidget::itemClicked, this, [this] { fileListChanged(true); });
    connect(m_navigator, &ui::FolderNavigator::folderChanged, this, &Tmultimedia::repert_listChange);
    connect(m_navigator, &ui::FolderNavigator::failed, this,
            [this](const QString &message) { ui::showFailure(this, message); });
    connect(m_MediaPlayer1, &MediaDevice::opened, this, &Tmultimedia::MediaPlayer1Opened);
    connect(m_MediaPlayer1, &MediaDevice::failed, this, &Tmultimedia::MediaPlayer1Failed);
    connect(m_MediaPlayer1, &MediaDevice::lengthChanged, this, [this](qint64 milliseconds) {
        if (m_Playing)
            m_Label6->setText(FormatDuration(milliseconds / 1000, true));
    });
    connect(m_MediaPlayer1, &MediaDevice::videoChanged, this, [this](bool hasVideo) {
        m_video->setVisible(hasVideo);
        m_zoomVideo->setVisible(hasVideo);
    });
    connect(m_ext_supl, &QComboBox::editTextChanged, this, &Tmultimedia::ext_suplChange);
    connect(m_trk, &QSlider::valueChanged, this, &Tmultimedia::trkChange);
    connect(m_Volume, &QSlider::valueChanged, this, &Tmultimedia::VolumeChange);
    connect(m_Zoom, &QCheckBox::clicked, this, &Tmultimedia::ZoomClick);
    connect(m_boucle, &QCheckBox::clicked, this, &Tmultimedia::ZoomClick);
    connect(m_CdBtn, &QToolButton::clicked, this, &Tmultimedia::CdBtnClick);
}

void Tmultimedia::readini()
{
    const QString drive = m_store.read(settings::playerpath::Drive);
    const QString folder = m_store.read(settings::playerpath::Folder);
    bool restored = false;
    {
        const QSignalBlocker quiet(m_navigator->driveBox());
        restored = m_navigator->driveBox()->setDrive(drive);
    }
    if (!restored || !m_navigator->setFolder(folder))
        m_navigator->fallBackToCurrentDirectory();
}

void Tmultimedia::writeini()
{
    settings::SettingsBatch batch;
    batch.write(settings::playerpath::Drive, m_navigator->driveBox()->drive());
    batch.write(settings::playerpath::Folder, m_navigator->folder());
    m_store.apply(batch);
}

void Tmultimedia::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void Tmultimedia::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        FormActivate();
}

void Tmultimedia::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    if (m_Zoom->isChecked())
        m_zoomPanel->setGeometry(rect());
}

void Tmultimedia::mousePressEvent(QMouseEvent *event)
{
    QWidget::mousePressEvent(event);
    FormClick();
}

bool Tmultimedia::eventFilter(QObject *watched, QEvent *event)
{
    if ((watched == m_zoomPanel || watched == m_zoomVideo) && event->type() == QEvent::MouseButtonPress)
        FormClick();
    else if ((watched == m_ext_supl || watched == m_ext_supl->lineEdit()) && event->type() == QEvent::FocusIn)
        ext_suplEnter();
    return QWidget::eventFilter(watched, event);
}

void Tmultimedia::FormShow()
{
    // Showing the volume changes nothing, so the bar is set without adjusting the volume.
    const QSignalBlocker quiet(m_Volume);
    m_Volume->setValue(player::volumeBar(m_MediaPlayer1->volume()));
}

void Tmultimedia::FormActivate()
{
    m_Playing = false;
}

void Tmultimedia::FormClick()
{
    if (!m_Zoom->isChecked())
        return;
    m_zoomPanel->hide();
    for (const QPointer<QWidget> &control : std::as_const(m_hiddenByZoom))
        if (control)
            control->show();
    m_hiddenByZoom.clear();
    m_MediaPlayer1->setDisplay(m_video);
    m_Panel1->update();
    m_Zoom->setChecked(false);
}

void Tmultimedia::fileListChanged(bool clicked)
{
    const ui::FileList *files = m_navigator->fileList();
    const QString name = files->currentFileName();
    const QString path = name.isEmpty() ? QString() : player::joinPath(files->directory(), name);
    // Only another file is a new choice, so that reading the folder again does not restart the
    // file; a click on the chosen file plays it again once it has been closed.
    if (path == m_chosen && !(clicked && !m_MediaPlayer1->isOpen()))
        return;
    m_chosen = path;
    if (!path.isEmpty())
        filtre_repChange();
}

void Tmultimedia::filtre_repChange()
{
    const ui::FileList *files = m_navigator->fileList();
    const QString path = player::joinPath(files->directory(), files->currentFileName());
    m_Playing = false;
    m_MediaPlayer1->close();
    m_Panel1->update();
    m_MediaPlayer1->setFileName(path);
    m_MediaPlayer1->open();
    m_buttons->refresh();
}

void Tmultimedia::MediaPlayer1Opened()
{
    try {
        setTextColour(m_Afficheur, Aqua);
        m_Label6->setText(FormatDuration(m_MediaPlayer1->length() / 1000, true));
        m_Label4->setText(QFileInfo(m_MediaPlayer1->fileName()).fileName());
        m_MediaPlayer1->play();
        m_Playing = true;
        m_MediaPlayer1->setDisplay(m_Zoom->isChecked() ? m_zoomVideo : m_video);
    } catch (const MediaDeviceError &) {
        MediaPlayer1Failed();
    }
    m_buttons->refresh();
}

void Tmultimedia::MediaPlayer1Failed()
{
    m_Playing = false;
    closeMedia();
    m_MediaPlayer1->setFileName(QString());
    m_Label4->setText(CannotPlayText);
    QApplication::beep();
    ui::showInformation(this, QStringLiteral("                Lecture impossible !\r                          Verifiez "
                                             "\rSi le driver pour ce type de fichier est installé"));
}

void Tmultimedia::Timer1Timer()
{
    m_Label7->setText(player::modeText(m_MediaPlayer1->mode()));
    m_buttons->refresh();
    if (!m_Playing) {
        m_Afficheur->setText(QStringLiteral("00:00:00"));
        m_blinkTeal = !m_blinkTeal;
        setTextColour(m_Afficheur, m_blinkTeal ? Teal : Aqua);
        return;
    }
    const qint64 position = m_MediaPlayer1->position();
    m_Afficheur->setText(FormatDuration(position / 1000, false));
    const std::optional<int> bar = player::barPosition(position, m_MediaPlayer1->length());
    if (!bar)
        return;
    const QSignalBlocker quiet(m_trk);
    m_trk->setValue(*bar);
    if (player::mustRepeat(*bar, m_boucle->isChecked())) {
        try {
            m_MediaPlayer1->play();
        } catch (const MediaDeviceError &) {
            m_Playing = false;
        }
        m_trk->setValue(0);
    }
}

void Tmultimedia::trkChange()
{
    if (!m_Playing)
        return;
    try {
        m_MediaPlayer1->seek(player::seekTarget(m_MediaPlayer1->length(), m_trk->value()));
    } catch (const MediaDeviceError &) {
        m_Playing = false;
    }
}

void Tmultimedia::VolumeChange()
{
    if (m_MediaPlayer1->setVolume(player::volumeValue(m_Volume->value())) != 0) {
        QMessageBox box(QMessageBox::NoIcon, QGuiApplication::applicationDisplayName(),
                        QStringLiteral("Cannot adjust Volume."), QMessageBox::Ok, this);
        box.setObjectName(QStringLiteral("MessageBox"));
        box.exec();
    }
}

void Tmultimedia::repert_listChange()
{
    m_Playing = false;
    {
        const QSignalBlocker quiet(m_trk);
        m_trk->setValue(0);
    }
    closeMedia();
    m_Label4->setText(NoFileText);
    m_Label6->setText(NoDurationText);
}

void Tmultimedia::ext_suplChange()
{
    m_navigator->fileList()->setMask(player::maskWith(m_ext_supl->currentText()));
}

void Tmultimedia::ext_suplEnter()
{
    const QString text = m_ext_supl->currentText();
    if (!text.isEmpty() && m_ext_supl->findText(text, Qt::MatchFixedString | Qt::MatchCaseSensitive) < 0) {
        const QSignalBlocker quiet(m_ext_supl);
        m_ext_supl->addItem(text);
        m_ext_supl->setEditText(text);
    }
}

void Tmultimedia::ZoomClick()
{
    if (!m_Zoom->isChecked()) {
        m_MediaPlayer1->setDisplay(m_video);
        return;
    }
    m_hiddenByZoom.clear();
    for (QObject *child : children()) {
        auto *control = qobject_cast<QWidget *>(child);
        if (control && control != m_zoomPanel && !control->isWindow() && control->isVisible()) {
            m_hiddenByZoom.append(control);
            control->hide();
        }
    }
    m_zoomPanel->setGeometry(rect());
    m_zoomPanel->show();
    m_zoomPanel->raise();
    m_MediaPlayer1->setDisplay(m_zoomVideo);
}

void Tmultimedia::CdBtnClick()
{
    QWidget *dialog = findWindowOfClass("TCDDialog");
    if (!dialog) {
        m_Playing = false;
        closeMedia();
        hide();
        dialog = new TCDDialog(CdRoutines::imageFromEnvironment(), this);
    }
    dialog->show();
    dialog->raise();
    dialog->activateWindow();
}

void Tmultimedia::closeMedia()
{
    m_MediaPlayer1->close();
    m_buttons->refresh();
}

} // namespace media
