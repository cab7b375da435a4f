// Hints (tool tips) as the program shows them: pale cyan, after 100 ms instead of 700.
#pragma once

#include <QProxyStyle>

namespace ui {

class HintStyle : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;
    int styleHint(StyleHint hint, const QStyleOption *option = nullptr, const QWidget *widget = nullptr,
                  QStyleHintReturn *returnData = nullptr) const override;
};

/// Turns hints on for the whole program with the frame's colour and delay.
void installHints();

/// A hint text as shown: its carriage returns split it over lines.
QString hintText(const QString &text);

} // namespace ui
