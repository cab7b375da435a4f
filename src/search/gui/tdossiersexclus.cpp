#include "search/gui/tdossiersexclus.h"

#include "search/core/excludedfolders.h"
#include "ui/named.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

namespace search {

using ui::named;

TDossiersExclus::TDossiersExclus(const QStringList &names, QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("DossiersExclus"));
    setWindowTitle(QStringLiteral("Dossiers exclus"));

    m_ListeDossiers = named(new QListWidget(this), "ListeDossiers");
    m_ListeDossiers->addItems(names);
    m_ListeDossiers->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_EditDossier = named(new QLineEdit(this), "EditDossier");
    m_EditDossier->setPlaceholderText(QStringLiteral("Nom du dossier"));
    m_BtnAjouter = named(new QPushButton(QStringLiteral("Ajouter"), this), "BtnAjouter");
    m_BtnRetirer = named(new QPushButton(QStringLiteral("Retirer"), this), "BtnRetirer");
    auto *buttons = named(new QDialogButtonBox(this), "Boutons");
    QPushButton *ok = buttons->addButton(QStringLiteral("Ok"), QDialogButtonBox::AcceptRole);
    ok->setObjectName(QStringLiteral("OKBtn"));
    QPushButton *cancel = buttons->addButton(QStringLiteral("Annuler"), QDialogButtonBox::RejectRole);
    cancel->setObjectName(QStringLiteral("CancelBtn"));
    // Return in the name box adds the name rather than closing the dialog.
    for (QPushButton *button : {m_BtnAjouter, m_BtnRetirer, ok, cancel})
        button->setAutoDefault(false);

    auto *layout = new QGridLayout(this);
    layout->addWidget(m_ListeDossiers, 0, 0, 3, 1);
    layout->addWidget(m_BtnRetirer, 0, 1);
    layout->addWidget(m_EditDossier, 3, 0);
    layout->addWidget(m_BtnAjouter, 3, 1);
    layout->addWidget(buttons, 4, 0, 1, 2);
    layout->setRowStretch(2, 1);
    resize(320, 260);

    connect(m_BtnAjouter, &QPushButton::clicked, this, &TDossiersExclus::BtnAjouterClick);
    connect(m_BtnRetirer, &QPushButton::clicked, this, &TDossiersExclus::BtnRetirerClick);
    connect(m_EditDossier, &QLineEdit::textChanged, this, &TDossiersExclus::EditDossierChange);
    connect(m_EditDossier, &QLineEdit::returnPressed, this, &TDossiersExclus::BtnAjouterClick);
    connect(m_ListeDossiers, &QListWidget::itemSelectionChanged, this,
            [this] { m_BtnRetirer->setEnabled(!m_ListeDossiers->selectedItems().isEmpty()); });
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    EditDossierChange();
    m_BtnRetirer->setEnabled(false);
}

QStringList TDossiersExclus::names() const
{
    QStringList listed;
    for (int i = 0; i < m_ListeDossiers->count(); ++i)
        listed.append(m_ListeDossiers->item(i)->text());
    return listed;
}

void TDossiersExclus::EditDossierChange()
{
    const QString name = m_EditDossier->text().trimmed();
    m_BtnAjouter->setEnabled(isFolderName(name) && !names().contains(name));
}

void TDossiersExclus::BtnAjouterClick()
{
    if (!m_BtnAjouter->isEnabled())
        return;
    m_ListeDossiers->addItem(m_EditDossier->text().trimmed());
    m_EditDossier->clear();
}

void TDossiersExclus::BtnRetirerClick()
{
    qDeleteAll(m_ListeDossiers->selectedItems());
    m_BtnRetirer->setEnabled(!m_ListeDossiers->selectedItems().isEmpty());
    EditDossierChange();
}

} // namespace search
