// Hints (tool tips) as the program shows them: the application's hint colour and its pauses
// (before a first hint, before the next one while a hint shows, before a hint hides).
#pragma once

#include <QProxyStyle>

namespace ui {

class HintStyle : public QProxyStyle {
    Q_OBJECT
public:
    using QProxyStyle::QProxyStyle;
    int styleHint(StyleHint hint, const QStyleOption *option = nullptr, const QWidget *widget = nullptr,
                  QStyleHintReturn *returnData = nullptr) const override;

    int hintPause() const { return m_hintPause; }
    void setHintPause(int ms) { m_hintPause = ms; }
    int hintShortPause() const { return m_hintShortPause; }
    void setHintShortPause(int ms) { m_hintShortPause = ms; }
    int hintHidePause() const { return m_hintHidePause; }
    void setHintHidePause(int ms) { m_hintHidePause = ms; }

    /// The application's hint settings; null before installHints().
    static HintStyle *application();

private:
    int m_hintPause = 500;
    int m_hintShortPause = 50;
    int m_hintHidePause = 2500;
};

/// Turns hints on for the whole program with the frame's colour and a 100 ms pause.
void installHints();

/// A hint text as shown: its carriage returns split it over lines.
QString hintText(const QString &text);

} // namespace ui
