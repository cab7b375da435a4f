#include "media/gui/tcddialog.h"

#include "media/core/cdtexts.h"
#include "media/core/cdtime.h"
#include "ui/messageboxes.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QSignalBlocker>
#include <QTimerEvent>
#include <QVBoxLayout>

namespace media {

namespace {

template <typename W>
W *named(W *widget, const char *name)
{
    widget->setObjectName(QLatin1String(name));
    return widget;
}

QLabel *displayPanel(const char *name, QWidget *parent)
{
    auto *panel = named(new QLabel(parent), name);
    panel->setAutoFillBackground(true);
    panel->setAlignment(Qt::AlignCenter);
    panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    QPalette palette = panel->palette();
    palette.setColor(QPalette::Window, Qt::black);
    palette.setColor(QPalette::WindowText, QColor(0x00, 0xFF, 0x00));
    panel->setPalette(palette);
    panel->setMinimumHeight(22);
    return panel;
}

} // namespace

TCDDialog::TCDDialog(const QString &imagePath, QWidget *player)
    : QDialog(player), m_routines(imagePath, [this](const QString &text) { ui::showInformation(this, text); })
{
    setObjectName(QStringLiteral("CDDialog"));
    setAttribute(Qt::WA_DeleteOnClose);
    // No border icons: the dialog is left through its "Quitter" button.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setWindowTitle(QStringLiteral("Lecteur CD"));
    setFixedSize(302, 226);
    if (const QScreen *screen = this->screen())
        move(screen->availableGeometry().center() - rect().center());
    buildControls();
    SetUpWindow();
}

TCDDialog::~TCDDialog()
{
    // Nothing is shown from a dialog that is going away.
    m_routines.setInformationBox({});
    if (m_timerId)
        killTimer(m_timerId);
    if (m_routines.CdDeviceId() != 0) {
        m_routines.CdStop();
        m_routines.CdClose();
    }
}

void TCDDialog::buildControls()
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    auto *panel1 = named(new QFrame(this), "Panel1");
    panel1->setFrameStyle(QFrame::Panel | QFrame::Raised);
    auto *grid = new QGridLayout(panel1);
    grid->setContentsMargins(4, 2, 4, 4);
    grid->setVerticalSpacing(1);
    const char *labelNames[] = {"Label1", "Label2", "Label3", "Label4"};
    const QString labelTexts[] = {QStringLiteral("Etat"), QStringLiteral("Nb pistes"), QStringLiteral("Piste"),
                                  QStringLiteral("Min")};
    for (int i = 0; i < 4; ++i)
        grid->addWidget(named(new QLabel(labelTexts[i], panel1), labelNames[i]), 0, i, Qt::AlignCenter);
    m_pStatus = displayPanel("pStatus", panel1);
    m_pNumTracks = displayPanel("pNumTracks", panel1);
    m_pCurTrack = displayPanel("pCurTrack", panel1);
    m_pCurTime = displayPanel("pCurTime", panel1);
    grid->addWidget(m_pStatus, 1, 0);
    grid->addWidget(m_pNumTracks, 1, 1);
    grid->addWidget(m_pCurTrack, 1, 2);
    grid->addWidget(m_pCurTime, 1, 3);
    grid->setColumnStretch(0, 3);
    for (int i = 1; i < 4; ++i)
        grid->setColumnStretch(i, 2);
    layout->addWidget(panel1);

    auto *lower = new QHBoxLayout;
    m_PlayList = named(new QListWidget(this), "PlayList");
    m_PlayList->setSortingEnabled(true);
    QFont courier(QStringLiteral("Courier"));
    courier.setStyleHint(QFont::TypeWriter);
    m_PlayList->setFont(courier);
    QPalette list = m_PlayList->palette();
    list.setColor(QPalette::Base, Qt::black);
    list.setColor(QPalette::Text, QColor(0x00, 0x80, 0x80));
    m_PlayList->setPalette(list);
    lower->addWidget(m_PlayList, 1);
    auto *buttons = new QVBoxLayout;
    m_bbPlay = named(new QPushButton(QStringLiteral("Play "), this), "bbPlay");
    m_bbPlay->setEnabled(false);
    m_bbPause = named(new QPushButton(QStringLiteral("Pause"), this), "bbPause");
    m_bAbort = named(new QPushButton(QStringLiteral("Stop"), this), "bAbort");
    m_QuitBtn = named(new QPushButton(QStringLiteral("Quitter"), this), "QuitBtn");
    for (QPushButton *button : {m_bbPlay, m_bbPause, m_bAbort, m_QuitBtn}) {
        button->setAutoDefault(false);
        buttons->addWidget(button);
    }
    buttons->addStretch();
    lower->addLayout(buttons);
    layout->addLayout(lower, 1);

    connect(m_bbPlay, &QPushButton::clicked, this, &TCDDialog::BeginPlay);
    connect(m_bbPause, &QPushButton::clicked, this, &TCDDialog::Pause);
    connect(m_bAbort, &QPushButton::clicked, this, &TCDDialog::Abort);
    connect(m_QuitBtn, &QPushButton::clicked, this, &TCDDialog::QuitBtnClick);
    // A choice in the list, by mouse or keyboard; the dialog's own selections are made quietly.
    connect(m_PlayList, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row >= 0)
            bbPlaySelClick(row);
    });
    connect(m_PlayList, &QListWidget::itemClicked, this,
            [this](QListWidgetItem *item) { bbPlaySelClick(m_PlayList->row(item)); });
}

void TCDDialog::SetUpWindow()
{
    if (!m_routines.CdOpen([this](int notice) { MciNotify(notice); }))
        return;
    while (!m_routines.CdMediaPresent()) {
        QMessageBox box(QMessageBox::Warning, QStringLiteral("Avertissement"),
                        QStringLiteral("Erreur de lecteur cd\n\nInserer un disque ou quitter"),
                        QMessageBox::Ok | QMessageBox::Cancel, this);
        box.setObjectName(QStringLiteral("MessageBox"));
        if (box.exec() != QMessageBox::Ok)
            return;
    }
    m_routines.CdSetTmsf();
    m_TrackCount = m_routines.CdTrackCount();
    m_pNumTracks->setText(QString::number(m_TrackCount));
    const QSignalBlocker quiet(m_PlayList);
    for (int track = 1; track <= m_TrackCount; ++track) {
        const quint32 length = m_routines.CdTrackLength(track);
        m_PlayList->addItem(cdtext::trackEntry(track, cdtime::msfMinutes(length), cdtime::msfSeconds(length)));
    }
}

void TCDDialog::StopPlayback()
{
    if (m_timerId) {
        killTimer(m_timerId);
        m_timerId = 0;
    }
    m_routines.CdStop();
}

void TCDDialog::UpdateStatus()
{
    m_pStatus->setText(cdtext::ModeText(Mode()));
    m_pCurTrack->setText(QString::number(m_routines.CdCurrentTrack()));
    m_pCurTime->setText(cdtext::trackTime(quint32(m_routines.CdPosition())));
}

int TCDDialog::Mode()
{
    return m_routines.CdMode();
}

void TCDDialog::startTimer1()
{
    if (m_timerId)
        killTimer(m_timerId);
    m_timerId = startTimer(1000);
    if (m_timerId == 0)
        QMessageBox::warning(this, QStringLiteral("Erreur!"), QStringLiteral("No Timers!"));
}

void TCDDialog::playTrack(int track)
{
    if (track == m_TrackCount)
        m_routines.CdPlayFrom(track);
    else
        m_routines.CdPlayRange(track, track + 1);
}

void TCDDialog::BeginPlay()
{
    m_Paused = false;
    const QListWidgetItem *entry = m_PlayList->currentItem();
    if (!entry)
        return;
    startTimer1();
    playTrack(cdtext::trackOfEntry(entry->text()));
    UpdateStatus();
}

void TCDDialog::Pause()
{
    if (!m_Paused) {
        m_routines.CdPause();
        m_Paused = true;
        m_pStatus->setText(QStringLiteral("Pause"));
    } else {
        m_routines.CdResume();
        m_Paused = false;
        m_pStatus->setText(QStringLiteral("resume"));
    }
}

void TCDDialog::Abort()
{
    m_routines.CdStop();
    UpdateStatus();
}

void TCDDialog::bbPlaySelClick(int index)
{
    if (index < 0 || index == m_EntryIndex)
        return;
    m_bbPlay->setEnabled(true);
    m_Paused = false;
    m_EntryIndex = index;
    startTimer1();
    m_routines.CdPlayFrom(index + 1);
    UpdateStatus();
}

void TCDDialog::MciNotify(int notice)
{
    if (notice == CdDevice::Successful && Mode() == CdStopped) {
        StopPlayback();
        nextEntry();
    } else if (notice == CdDevice::Superseded || notice == CdDevice::Aborted) {
        // A notice about a play that a newer play has replaced must not stop the newer one.
        if (Mode() != CdPlaying)
            StopPlayback();
    }
}

void TCDDialog::nextEntry()
{
    // The step goes on with the entry after the one that has just been played, and the sequence
    // ends after the last entry.
    ++m_EntryIndex;
    if (m_EntryIndex >= m_PlayList->count()) {
        m_EntryIndex = m_PlayList->count() - 1;
        StopPlayback();
    } else {
        m_PlayList->setFocus();
        {
            const QSignalBlocker quiet(m_PlayList);
            m_PlayList->setCurrentRow(m_EntryIndex);
        }
        m_PlayList->viewport()->update();
        startTimer1();
        playTrack(cdtext::trackOfEntry(m_PlayList->item(m_EntryIndex)->text()));
    }
    UpdateStatus();
}

void TCDDialog::QuitBtnClick()
{
    close();
}

void TCDDialog::reject()
{
    QuitBtnClick();
}

void TCDDialog::timerEvent(QTimerEvent *event)
{
    if (event->timerId() == m_timerId)
        UpdateStatus();
    else
        QDialog::timerEvent(event);
}

void TCDDialog::closeEvent(QCloseEvent *event)
{
    event->accept();
    if (QWidget *player = parentWidget())
        player->show();
}

} // namespace media
