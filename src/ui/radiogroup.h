// A titled group of radio buttons laid out in columns, with an item index that may also be
// "none" (-1), as the extension and walk-mode choices need.
#pragma once

#include <QGroupBox>
#include <QList>

class QRadioButton;

namespace ui {

class RadioGroup : public QGroupBox {
    Q_OBJECT
public:
    RadioGroup(const QString &title, const QStringList &items, int columns, QWidget *parent = nullptr);

    int itemIndex() const;
    /// Selects item \a index (-1 clears the choice). Emits clicked(index) like a user click.
    void setItemIndex(int index);
    QString itemText(int index) const;
    int itemCount() const { return static_cast<int>(m_buttons.size()); }
    QRadioButton *button(int index) const { return m_buttons.value(index); }

signals:
    /// An item was chosen by the user or by the program.
    void clicked(int index);

private:
    QList<QRadioButton *> m_buttons;
};

} // namespace ui
