// What the user does with the frame's results list: open the file of a line in an editor
// window (popup "Voir ce fichier" or a double-click), run it, hand it to the program of its
// type, save the list to a ".LST" file, load one back, print the list.
#pragma once

#include <QObject>
#include <QString>

#include <functional>
#include <optional>

class QFileDialog;

namespace ui {
class SavePrintDialogs;
}

namespace search {

class ResultsView;
class SearchHost;

class ResultListActions : public QObject {
    Q_OBJECT
public:
    using SearchText = std::function<QString()>;

    /// Acts on the list \a Memo1 of \a host, with the frame's \a dialogs; lists are saved and
    /// loaded from \a startupDirectory first; \a searchText gives the search dialog's string.
    ResultListActions(ResultsView *Memo1, SearchHost &host, ui::SavePrintDialogs &dialogs,
                      const QString &startupDirectory, SearchText searchText, QObject *parent = nullptr);

    /// The file the caret's line belongs to (where a selection begins): see fileOfLine(). When
    /// the block's header names a file that no longer exists, a message box says so.
    std::optional<QString> memoselectfile() const;

    // Handlers, named after the controls that run them.
    void ouvre_fichierClick();
    void Executecefichier1Click();
    void ExtentionClick();
    /// ToolBtnSave and "enregistrer sous".
    void ToolBtnSaveClick();
    /// ToolBtnOpen and "Charger".
    void ToolBtnOpenClick();
    /// ToolBtnPrint and "Imprimer".
    void ToolBtnPrintClick();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    ResultsView *m_Memo1;
    QObject *m_viewport = nullptr; ///< the list's viewport, watched for double-clicks
    SearchHost &m_host;
    ui::SavePrintDialogs &m_dialogs;
    QString m_startupDirectory;
    SearchText m_searchText;
    QFileDialog *m_OpenDialog1;
};

} // namespace search
