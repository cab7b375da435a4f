// The small dialog "Dossiers exclus", opened from the search dialog: the names of the folders
// the search leaves out, one per line, with a box to type a name, "Ajouter" and "Retirer".
#pragma once

#include <QDialog>
#include <QStringList>

class QLineEdit;
class QListWidget;
class QPushButton;

namespace search {

class TDossiersExclus : public QDialog {
    Q_OBJECT
public:
    /// The dialog, listing \a names.
    explicit TDossiersExclus(const QStringList &names, QWidget *parent = nullptr);

    /// The names listed, in their order.
    QStringList names() const;

    // Handlers, named after their control and event.
    void BtnAjouterClick();
    void BtnRetirerClick();
    void EditDossierChange();

private:
    QListWidget *m_ListeDossiers = nullptr;
    QLineEdit *m_EditDossier = nullptr;
    QPushButton *m_BtnAjouter = nullptr;
    QPushButton *m_BtnRetirer = nullptr;
};

} // namespace search
