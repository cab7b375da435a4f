#include "shell/gui/tpreferences.h"

#include "settings/settingsbatch.h"
#include "settings/settingskeys.h"
#include "ui/messageboxes.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace shell {

TPreferences::TPreferences(settings::SettingsStore &store, QWidget *parent)
    : QDialog(parent), m_store(store),
      m_highlight(new QCheckBox(QStringLiteral("Surligner la chaîne trouvée dans la liste"), this)),
      m_editorItem(new QCheckBox(QStringLiteral("Proposer \"Ouvrir dans l'éditeur externe\" dans la liste"), this)),
      m_command(new QLineEdit(this))
{
    setObjectName(QStringLiteral("Preferences"));
    setWindowTitle(QStringLiteral("Préférences"));
    m_highlight->setObjectName(QStringLiteral("Surlignage"));
    m_editorItem->setObjectName(QStringLiteral("EditeurExterne"));
    m_command->setObjectName(QStringLiteral("CommandeEditeur"));
    m_command->setPlaceholderText(QStringLiteral("vide : $VISUAL, $EDITOR ou le bureau"));
    m_command->setMinimumWidth(320);
    auto *help = new QLabel(QStringLiteral("Exemples : gedit, kate, code, vim, ou une commande avec %f (le fichier) "
                                           "et %l (la ligne)."), this);
    help->setWordWrap(true);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto *form = new QFormLayout;
    form->addRow(QStringLiteral("Commande de l'éditeur :"), m_command);
    auto *column = new QVBoxLayout(this);
    column->addWidget(m_highlight);
    column->addWidget(m_editorItem);
    column->addLayout(form);
    column->addWidget(help);
    column->addWidget(buttons);
}

bool TPreferences::edit()
{
    m_highlight->setChecked(m_store.read(settings::surlignage::Active));
    m_editorItem->setChecked(m_store.read(settings::editeurexterne::Active));
    m_command->setText(m_store.read(settings::editeurexterne::Command));
    if (exec() != QDialog::Accepted)
        return false;
    settings::SettingsBatch batch;
    batch.write(settings::surlignage::Active, m_highlight->isChecked());
    batch.write(settings::editeurexterne::Active, m_editorItem->isChecked());
    batch.write(settings::editeurexterne::Command, m_command->text().trimmed());
    if (!m_store.apply(batch))
        ui::showFailure(this, m_store.errorString());
    return true;
}

} // namespace shell
