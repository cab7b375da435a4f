#include "ui/radiogroup.h"

#include <QGridLayout>
#include <QRadioButton>

namespace ui {

RadioGroup::RadioGroup(const QString &title, const QStringList &items, int columns, QWidget *parent)
    : QGroupBox(title, parent)
{
    auto *grid = new QGridLayout(this);
    grid->setContentsMargins(6, 2, 6, 2);
    grid->setVerticalSpacing(0);
    const int rows = (static_cast<int>(items.size()) + columns - 1) / columns;
    for (int i = 0; i < items.size(); ++i) {
        auto *button = new QRadioButton(items[i], this);
        button->setAutoExclusive(false);
        grid->addWidget(button, i % rows, i / rows);
        m_buttons.append(button);
        connect(button, &QRadioButton::clicked, this, [this, i] { setItemIndex(i); });
    }
}

int RadioGroup::itemIndex() const
{
    for (int i = 0; i < m_buttons.size(); ++i)
        if (m_buttons[i]->isChecked())
            return i;
    return -1;
}

void RadioGroup::setItemIndex(int index)
{
    for (int i = 0; i < m_buttons.size(); ++i)
        m_buttons[i]->setChecked(i == index);
    if (index >= 0 && index < m_buttons.size())
        emit clicked(index);
}

QString RadioGroup::itemText(int index) const
{
    return index >= 0 && index < m_buttons.size() ? m_buttons[index]->text() : QString();
}

} // namespace ui
