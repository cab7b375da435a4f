// The window one shaped hint is shown in: sized and placed from the measured text, holding the
// picture of what lay beneath it (or translucent where the desktop composites), and the hint
// painted over that.
#pragma once

#include "ui/core/hintpainter.h"

#include <QImage>
#include <QWidget>

namespace ui {

class KrHintWindow : public QWidget {
    Q_OBJECT
public:
    /// \a composited: the desktop shows what lies beneath the window's transparent pixels.
    explicit KrHintWindow(bool composited);

    /// Sizes, places, captures and shows the hint for \a text at \a cursor with \a look.
    void activateHint(const QString &text, QPoint cursor, const HintLook &look);

    /// The hint as painted, over what lay beneath it.
    const QImage &picture() const { return m_picture; }
    QString text() const { return m_text; }
    /// The measured text's size.
    QSize measured() const { return m_measured; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    bool m_composited;
    QString m_text;
    QSize m_measured;
    QImage m_picture;
};

} // namespace ui
