#include "tools/gui/tformfontlist.h"

#include "tools/core/fontrows.h"
#include "tools/gui/fontrowdelegate.h"

#include <QLabel>
#include <QListWidget>
#include <QVBoxLayout>

namespace tools {

namespace {

QLabel *boldLabel(const char *name, const QString &text, const char *colour, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    label->setStyleSheet(QStringLiteral("color: %1; font-weight: bold;").arg(QLatin1String(colour)));
    return label;
}

} // namespace

TFormFontlist::TFormFontlist(QWidget *owner)
    : QWidget(owner, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                         | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("FormFontlist"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Polices disponibles"));
    setFixedSize(276, 359);

    m_Label1 = boldLabel("Label1", QStringLiteral("Polices systeme : "), "blue", this);
    m_ListBox1 = new QListWidget(this);
    m_ListBox1->setObjectName(QStringLiteral("ListBox1"));
    m_ListBox1->setItemDelegate(new FontRowDelegate(m_ListBox1));
    m_ListBox1->setUniformItemSizes(false);
    m_Label2 = boldLabel("Label2", QString(), "blue", this);
    m_FontLabel = boldLabel("FontLabel", QString(), "red", this);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 8, 8, 8);
    layout->addWidget(m_Label1);
    layout->addWidget(m_ListBox1, 1);
    layout->addWidget(m_Label2);
    layout->addWidget(m_FontLabel);

    FormCreate();
    connect(m_ListBox1, &QListWidget::itemSelectionChanged, this, &TFormFontlist::ListBox1Click);
    m_ListBox1->setFocus();
}

void TFormFontlist::FormCreate()
{
    m_ListBox1->addItems(installedFontNames());
}

void TFormFontlist::ListBox1Click()
{
    const QList<QListWidgetItem *> chosen = m_ListBox1->selectedItems();
    if (chosen.isEmpty())
        return;
    m_FontLabel->setText(chosen.first()->text());
    m_Label2->setText(QStringLiteral("Vous avez selectioné : "));
}

} // namespace tools
