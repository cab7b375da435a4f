// The system-information window "Information": the program's name and version over its
// picture and, below, the machine's facts. Modal; any movement of the mouse over it closes it.
#pragma once

#include "tools/core/abouttexts.h"

#include <QDialog>
#include <QMap>

class QLabel;

namespace tools {

class TWAbout : public QDialog {
    Q_OBJECT
public:
    /// A modal window owned by \a owner, freed when closed, showing \a facts.
    explicit TWAbout(QWidget *owner = nullptr, const AboutFacts &facts = AboutFacts::read());

    QLabel *factLabel(const QString &name) const { return m_facts.value(name); }

protected:
    bool event(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void FormCreate(const AboutFacts &facts);
    void FormActivate();
    void setTexts(const QList<LabelText> &texts);

    QWidget *m_Panel1 = nullptr;
    QMap<QString, QLabel *> m_facts;
};

} // namespace tools
