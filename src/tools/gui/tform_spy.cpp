#include "tools/gui/tform_spy.h"

#include "tools/core/windowlistmodel.h"
#include "tools/core/windowrow.h"

#include <QApplication>
#include <QCheckBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTreeView>
#include <QVBoxLayout>

namespace tools {

TForm_Spy::TForm_Spy(QWidget *owner) : QWidget(owner, Qt::Window), m_model(new WindowListModel(this))
{
    setObjectName(QStringLiteral("Form_Spy"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Applications ouvertes"));
    // Without a window manager to maximise it, it still covers the screen.
    if (const QScreen *display = QGuiApplication::primaryScreen())
        setGeometry(display->availableGeometry());
    setWindowState(Qt::WindowMaximized);

    m_Panel1 = new QWidget(this);
    m_Panel1->setObjectName(QStringLiteral("Panel1"));
    m_BitBtn1 = new QPushButton(QStringLiteral("Explorer"), m_Panel1);
    m_BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    m_CheckBox1 = new QCheckBox(QStringLiteral("Liste triée"), m_Panel1);
    m_CheckBox1->setObjectName(QStringLiteral("CheckBox1"));
    m_Label1 = new QLabel(m_Panel1);
    m_Label1->setObjectName(QStringLiteral("Label1"));
    m_Label1->setStyleSheet(QStringLiteral("color: blue; font-weight: bold;"));
    auto *bar = new QHBoxLayout(m_Panel1);
    bar->addWidget(m_BitBtn1);
    bar->addSpacing(16);
    bar->addWidget(m_CheckBox1);
    bar->addSpacing(16);
    bar->addWidget(m_Label1, 1);

    m_ListView = new QTreeView(this);
    m_ListView->setObjectName(QStringLiteral("ListView"));
    m_ListView->setModel(m_model);
    m_ListView->setRootIsDecorated(false);
    m_ListView->setItemsExpandable(false);
    m_ListView->setUniformRowHeights(true);
    m_ListView->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_ListView->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_ListView->setMouseTracking(true);
    m_ListView->setAttribute(Qt::WA_Hover);
    QPalette silver = m_ListView->palette();
    silver.setColor(QPalette::Base, QColor(0xC0, 0xC0, 0xC0));
    m_ListView->setPalette(silver);
    // The padded columns line up only in a fixed-pitch font.
    QFont courier(QStringLiteral("Courier"));
    courier.setStyleHint(QFont::TypeWriter);
    m_ListView->setFont(courier);
    const int widths[] = {40, 180, 330, 300};
    for (int column = 0; column < WindowListModel::ColumnCount; ++column)
        m_ListView->header()->resizeSection(column, widths[column]);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_Panel1);
    layout->addWidget(m_ListView, 1);

    connect(m_BitBtn1, &QPushButton::clicked, this, &TForm_Spy::Button1Click);
    connect(m_CheckBox1, &QCheckBox::clicked, this, &TForm_Spy::CheckBox1Click);
}

void TForm_Spy::Button1Click()
{
    std::optional<QList<platform::DesktopWindow>> windows = platform::x11TopLevelWindows();
    m_Label1->setToolTip(windows ? QString()
                                 : QStringLiteral("Sans affichage X11, seules les fenêtres de ce programme sont listées"));
    m_model->setWindows(windows ? *windows : ownWindows());
    m_Label1->setText(countLabel(m_model->rowCount()));
}

void TForm_Spy::CheckBox1Click()
{
    m_model->setSorted(m_CheckBox1->isChecked());
    Button1Click();
}

bool TForm_Spy::event(QEvent *event)
{
    if (event->type() == QEvent::WindowActivate || event->type() == QEvent::Show)
        Button1Click();
    return QWidget::event(event);
}

QList<platform::DesktopWindow> TForm_Spy::ownWindows()
{
    QList<platform::DesktopWindow> windows;
    for (QWidget *top : QApplication::topLevelWidgets()) {
        if (!top->isVisible())
            continue;
        QString className = QString::fromLatin1(top->metaObject()->className());
        className = className.mid(className.lastIndexOf(QLatin1Char(':')) + 1);
        windows.append({0, className, top->windowTitle(), QCoreApplication::applicationPid(),
                        QCoreApplication::applicationFilePath()});
    }
    return windows;
}

} // namespace tools
