// The search dialog "Configuration de la recherche": where (drive, folder), what (extension,
// string) and how (walk mode, options) to search, with its histories; a small file browser too.
#pragma once

#include "settings/settingsstore.h"

#include <QDialog>
#include <QStringList>

#include <functional>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QSpinBox;
class QFrame;

namespace ui {
class FileList;
class FolderNavigator;
class RadioGroup;
} // namespace ui

namespace images {
class PicturePreview;
}

namespace search {

class SearchHost;
struct SearchRequest;

class Tchoix : public QDialog {
    Q_OBJECT
public:
    /// The dialog of \a host, keeping its folder, options and history in \a store.
    Tchoix(SearchHost &host, const settings::SettingsStore &store, QWidget *parent = nullptr);
    ~Tchoix() override;

    /// The search string as typed (read live by the editor).
    QString searchText() const;
    /// The folder the dialog shows (the start folder of a search).
    QString folder() const;
    /// Goes to \a path on its drive. False when it cannot be shown.
    bool setFolder(const QString &path);

    /// The request a search started now would run.
    SearchRequest currentRequest() const;

    // Handlers, named after their control and event.
    void OKBtnClick();
    void choix_extClick();
    void Edit2Change();
    void filtre_repChange();
    void SpeedButton2Click();
    void SpeedButton1Click();
    void SpeedButton3Click();
    /// "Boutons": the glyph viewer of the listed folder's BMP files.
    void SpeedButton7Click();
    void Repert_ListChange();
    void Repert_ListClick();
    void HistoDirChange(int index);
    /// "Liste...": edits the names of the folders left out in "Dossiers exclus".
    void BtnExclusClick();
    void histo_commChange();
    void FormActivate();

protected:
    void showEvent(QShowEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void changeEvent(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildControls();
    /// Folder, options and search history, from and to the settings.
    void readini();
    void writeini();
    void connectControls();
    void addToHistory(QComboBox *box, const QString &text);
    void addFolderToHistory(const QString &folder);
    int selectedExtensionItem() const;

    SearchHost &m_host;
    settings::SettingsStore m_store;
    int m_rememberedExtension = -1;
    QStringList m_excludedFolders; ///< names left out while "Dossiers exclus" is ticked

    // The drive box "lecteur", the buttons "BtnRacine" and "BtnPrecRep", the folder list
    // "Repert_List" and the file list "filtre_rep", with their per-drive memory.
    ui::FolderNavigator *m_navigator = nullptr;
    ui::FileList *m_filtre_rep = nullptr;
    QLineEdit *m_Edit3 = nullptr;
    QLineEdit *m_Edit4 = nullptr;
    ui::RadioGroup *m_choix_ext = nullptr;
    QLabel *m_Label2 = nullptr;
    QLineEdit *m_Edit2 = nullptr;
    ui::RadioGroup *m_choix_rep = nullptr;
    QGroupBox *m_GroupBox1 = nullptr;
    QCheckBox *m_optionMaj = nullptr;
    QCheckBox *m_OptionOccur = nullptr;
    QCheckBox *m_optionVoirImage = nullptr;
    QCheckBox *m_optionStretch = nullptr;
    QCheckBox *m_optionExport = nullptr;
    QPushButton *m_BitBtnConvert = nullptr;
    QGroupBox *m_GroupBox2 = nullptr;
    QSpinBox *m_Hexport = nullptr;
    QSpinBox *m_Vexport = nullptr;
    QLabel *m_strsearch = nullptr;
    QComboBox *m_histo_comm = nullptr;
    QLabel *m_Label1 = nullptr;
    QComboBox *m_HistoDir = nullptr;
    QLabel *m_Label3 = nullptr;
    QPushButton *m_OKBtn = nullptr;
    QPushButton *m_SpeedButton2 = nullptr;
    QPushButton *m_SpeedButton1 = nullptr;
    QPushButton *m_SpeedButton7 = nullptr;
    QPushButton *m_SpeedButton3 = nullptr;
    QCheckBox *m_optionExclus = nullptr;
    QPushButton *m_BtnExclus = nullptr;
    QCheckBox *m_optionUtf16 = nullptr;
    QFrame *m_Panel1 = nullptr;
    QLabel *m_Image1 = nullptr;
    QLineEdit *m_Edit1 = nullptr;
    QComboBox *m_histo_comm2 = nullptr;
    QComboBox *m_ListPath = nullptr;
    QMenu *m_PopupMenu1 = nullptr;
    images::PicturePreview *m_picturePreview = nullptr;
};

} // namespace search
