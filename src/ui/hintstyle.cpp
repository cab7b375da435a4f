#include "ui/hintstyle.h"

#include <QApplication>
#include <QToolTip>

namespace ui {

int HintStyle::styleHint(StyleHint hint, const QStyleOption *option, const QWidget *widget,
                         QStyleHintReturn *returnData) const
{
    if (hint == SH_ToolTip_WakeUpDelay)
        return 100;
    return QProxyStyle::styleHint(hint, option, widget, returnData);
}

void installHints()
{
    QApplication::setStyle(new HintStyle);
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
