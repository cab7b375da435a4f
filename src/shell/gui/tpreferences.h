// "Préférences" of the search window: highlighting in the results list, and the popup item
// that opens a result in the user's own editor with the command it runs. Read from the
// settings when shown, written when confirmed.
#pragma once

#include "settings/settingsstore.h"

#include <QDialog>

class QCheckBox;
class QLineEdit;

namespace shell {

class TPreferences : public QDialog {
    Q_OBJECT
public:
    TPreferences(settings::SettingsStore &store, QWidget *parent = nullptr);

    /// Shows the stored options, and stores them when the user confirms. True then.
    bool edit();

private:
    settings::SettingsStore &m_store;
    QCheckBox *m_highlight;
    QCheckBox *m_editorItem;
    QLineEdit *m_command;
};

} // namespace shell
