// The find dialog of an editor window, modeless: the text to find, whole words, case and
// direction. "Suivant" asks the window to search; "Annuler" hides the dialog.
#pragma once

#include "editor/core/textsearch.h"

#include <QDialog>

class QCheckBox;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace editor {

class FindDialog : public QDialog {
    Q_OBJECT
public:
    explicit FindDialog(QWidget *parent = nullptr);

    QString findText() const;
    void setFindText(const QString &text);
    FindOptions options() const;
    void setOptions(const FindOptions &options);

signals:
    /// The find-next button was pressed.
    void find();

private:
    QLineEdit *m_text;
    QCheckBox *m_wholeWord;
    QCheckBox *m_matchCase;
    QRadioButton *m_up;
    QRadioButton *m_down;
    QPushButton *m_findNext;
};

} // namespace editor
