// The media player window "Lecteur multimedia": drives, folders and media files on the left; the
// chosen file opens and plays at once on the right, with its name, duration, state, a running
// time display, a position bar, a volume bar, repeat and a full-window zoom of its pictures. The
// CD button hands over to the audio CD dialog, which shows this window again when it quits.
#pragma once

#include "settings/settingsstore.h"

#include <QList>
#include <QPointer>
#include <QWidget>

class QCheckBox;
class QComboBox;
class QLabel;
class QSlider;
class QTimer;
class QToolButton;
class QVideoWidget;

namespace ui {
class FolderNavigator;
}

namespace media {

class MediaButtons;
class MediaDevice;

class Tmultimedia : public QWidget {
    Q_OBJECT
public:
    /// A top-level window owned by \a owner, freed when closed; it starts in the drive and folder
    /// kept in \a store and keeps them there when destroyed.
    explicit Tmultimedia(const settings::SettingsStore &store, QWidget *owner = nullptr);
    ~Tmultimedia() override;

    MediaDevice &device() const { return *m_MediaPlayer1; }
    ui::FolderNavigator &navigator() const { return *m_navigator; }
    /// True while the window follows the file it opened.
    bool isPlaying() const { return m_Playing; }

    // Handlers, public so that tests can drive the timer and the bars as the events would.
    void Timer1Timer();
    void trkChange();
    void VolumeChange();

protected:
    void showEvent(QShowEvent *event) override;
    void changeEvent(QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildControls();
    void connectControls();
    void readini();
    void writeini();

    void FormShow();
    void FormActivate();
    void FormClick();
    void fileListChanged(bool clicked);
    void filtre_repChange();
    void MediaPlayer1Opened();
    void MediaPlayer1Failed();
    void repert_listChange();
    void ext_suplChange();
    void ext_suplEnter();
    void ZoomClick();
    void CdBtnClick();
    void closeMedia();

    settings::SettingsStore m_store;
    MediaDevice *m_MediaPlayer1 = nullptr;
    ui::FolderNavigator *m_navigator = nullptr;
    MediaButtons *m_buttons = nullptr;
    QComboBox *m_ext_supl = nullptr;
    QToolButton *m_CdBtn = nullptr;
    QSlider *m_trk = nullptr;
    QSlider *m_Volume = nullptr;
    QCheckBox *m_boucle = nullptr;
    QCheckBox *m_Zoom = nullptr;
    QLabel *m_Label4 = nullptr;
    QLabel *m_Label6 = nullptr;
    QLabel *m_Label7 = nullptr;
    QLabel *m_Afficheur = nullptr;
    QWidget *m_Panel1 = nullptr;
    QVideoWidget *m_video = nullptr;
    QWidget *m_zoomPanel = nullptr;
    QVideoWidget *m_zoomVideo = nullptr;
    QTimer *m_Timer1 = nullptr;

    bool m_Playing = false;
    bool m_blinkTeal = false;
    /// The file last chosen in the list.
    QString m_chosen;
    /// The controls the zoom hid, shown again by the unzoom.
    QList<QPointer<QWidget>> m_hiddenByZoom;
};

} // namespace media
