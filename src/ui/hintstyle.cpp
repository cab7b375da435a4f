#include "ui/hintstyle.h"

#include <QApplication>
#include <QToolTip>

namespace ui {

int HintStyle::styleHint(StyleHint hint, const QStyleOption *option, const QWidget *widget,
                         QStyleHintReturn *returnData) const
{
    if (hint == SH_ToolTip_WakeUpDelay)
        return m_hintPause;
    return QProxyStyle::styleHint(hint, option, widget, returnData);
}

HintStyle *HintStyle::application()
{
    return qobject_cast<HintStyle *>(QApplication::style());
}

void installHints()
{
    auto *style = new HintStyle;
    style->setHintPause(100);
    QApplication::setStyle(style);
    QPalette palette = QToolTip::palette();
    palette.setColor(QPalette::ToolTipBase, QColor(128, 255, 255));
    palette.setColor(QPalette::ToolTipText, Qt::black);
    QToolTip::setPalette(palette);
}

QString hintText(const QString &text)
{
    QString shown = text;
    shown.replace('\r', '\n');
    return shown;
}

} // namespace ui
