// The icon window "Voir les Icones": the icon files (*.ico) of a folder as a grid of icons, the
// current file's icon and its thumbnail on silver, and the saving of icons as icon or bitmap
// files, large (32 by 32) or small (16 by 16).
#pragma once

#include "images/gui/savedialog.h"
#include "platform/busycursors.h"
#include "settings/settingsstore.h"

#include <QImage>
#include <QList>
#include <QWidget>

#include <cstdint>
#include <functional>

class QFrame;
class QLabel;
class QLineEdit;
class QListWidget;
class QSplitter;
class QStatusBar;
class QToolButton;

namespace ui {
class DriveBox;
class FileList;
class FolderList;
class FolderNavigator;
} // namespace ui

namespace images {

class Tboite_icone : public QWidget {
    Q_OBJECT
public:
    /// Asks for the save options, given and returned as the options word; false on cancel.
    using OptionsAsker = std::function<bool(std::uint16_t &word)>;

    /// A top-level window owned by \a parent, maximised, freed when closed; it starts in the
    /// folder kept in \a store and writes its folder back there when destroyed.
    explicit Tboite_icone(const settings::SettingsStore &store, QWidget *parent = nullptr);
    ~Tboite_icone() override;

    ui::FolderNavigator *navigator() const { return m_navigator; }
    QListWidget *grid() const { return m_ListView; }
    /// The large (32 by 32) and small (16 by 16) pictures of the grid's items, by item.
    const QList<QImage> &largeIcons() const { return m_ListIcone; }
    const QList<QImage> &smallIcons() const { return m_SmallIcons; }
    /// The file name of grid item \a row.
    QString fileNameOf(int row) const;
    QString statusText(int panel) const;
    /// The thumbnail's bitmap: the current icon on silver, 32 by 32.
    QImage thumbnail() const { return m_thumbnail; }
    std::uint16_t saveOptions() const { return m_options; }

    /// Where the file names come from (the save dialog "SauveBmp" by default).
    void setSaveAsker(SaveAsker asker) { m_askName = std::move(asker); }
    /// Where the save options come from (TSaveIconsDialog by default).
    void setOptionsAsker(OptionsAsker asker) { m_askOptions = std::move(asker); }

    // Handlers, named after their control and event.
    void dir_iconeChange();
    void Button1Click();
    void fichier_iconeChange();
    void ListViewClick();
    void BtnTailleIconeClick();
    void Image1Click();

protected:
    void changeEvent(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildControls();
    void connectControls();
    /// The folder from the settings, the process's current directory when it is gone.
    void readini();
    void writeini();
    /// Reads the drive box, the folder and the file list again from the disk.
    void rereadFromDisk();
    void setPanel(int panel, const QString &text);
    /// The full path of \a name in the shown folder.
    QString pathOf(const QString &name) const;
    void drawThumbnail();

    settings::SettingsStore m_store;
    platform::BusyCursors m_cursors;
    int m_cursorStep = 1;
    int m_directoryChanges = 0;
    std::uint16_t m_options = 0;
    QString m_failedPath; ///< the current file whose loading failed last, not reported twice
    QString m_saveTitle;  ///< title of "SauveBmp", set by the first thumbnail save
    SaveAsker m_askName;
    OptionsAsker m_askOptions;

    QList<QImage> m_ListIcone;
    QList<QImage> m_SmallIcons;
    QImage m_currentIcon;
    QImage m_thumbnail;

    ui::FolderNavigator *m_navigator = nullptr;
    QFrame *m_Panel1 = nullptr;
    QFrame *m_Panel2 = nullptr;
    QLabel *m_image_icone = nullptr;
    QLabel *m_Image1 = nullptr;
    ui::DriveBox *m_lecteur_icone = nullptr;
    QToolButton *m_BtnRacine = nullptr;
    QToolButton *m_BtnPrecRep = nullptr;
    QToolButton *m_BtnTailleIcone = nullptr;
    ui::FolderList *m_dir_icone = nullptr;
    ui::FileList *m_fichier_icone = nullptr;
    QLineEdit *m_savebmp = nullptr;
    QSplitter *m_Splitter1 = nullptr;
    QListWidget *m_ListView = nullptr;
    QStatusBar *m_StatusBar = nullptr;
    QList<QLabel *> m_panels;
};

} // namespace images
