// The program's hints drawn as shaped balloons. Once a KrHint exists, every hint of the
// application (a widget's tool tip) is shown by a KrHintWindow with this component's settings:
// the main frame owns the one instance, KrHint1.
#pragma once

#include "ui/core/hintpainter.h"
#include "ui/krhintwindow.h"

#include <QElapsedTimer>
#include <QObject>
#include <QPointer>
#include <QTimer>

namespace ui {


class KrHint : public QObject {
    Q_OBJECT
public:
    explicit KrHint(QObject *owner);
    ~KrHint() override;

    const HintLook &look() const { return m_look; }

    QFont font() const { return m_look.font; }
    QColor fontColor() const { return m_look.fontColor; }
    /// The text's font and its colour.
    void setFont(const QFont &font, const QColor &color);
    void setAlign(KrAlign align) { m_look.align = align; }
    int shortPause() const { return m_shortPause; }
    void setShortPause(int ms);
    int pause() const { return m_pause; }
    void setPause(int ms);
    int hidePause() const { return m_hidePause; }
    void setHidePause(int ms);
    void setColor(const QColor &color) { m_look.color = color; }
    void setKind(KrKind kind) { m_look.kind = kind; }
    void setColorBorder(const QColor &color) { m_look.colorBorder = color; }
    void setShadow(KrShadow shadow) { m_look.shadow = shadow; }
    void setColorShadow(const QColor &color) { m_look.colorShadow = color; }
    void setColorUp(const QColor &color) { m_look.colorUp = color; }
    void setColorDown(const QColor &color) { m_look.colorDown = color; }
    void setShadowWidth(int pixels) { m_look.shadowWidth = pixels; }
    void setStretch(bool on) { m_look.stretch = on; }
    void setTransparentShadow(bool on) { m_look.transparentShadow = on; }
    void setBitMap(const QImage &picture) { m_look.bitmap = picture.copy(); }
    void setBitMapAlign(KrPictAlign align) { m_look.bitmapAlign = align; }

    /// Shows \a text as a hint for a cursor at \a cursor (global), as the application does when
    /// a hint is due.
    void activateHint(const QString &text, QPoint cursor);
    void hideHint();
    /// The window showing the hints; null before the first one.
    KrHintWindow *hintWindow() const { return m_window; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void showFor(QWidget *widget, QPoint cursor);

    HintLook m_look;
    int m_shortPause = 250;
    int m_pause = 500;
    int m_hidePause = 5000;
    QPointer<KrHintWindow> m_window;
    QPointer<QWidget> m_hinted;
    QTimer m_hideTimer;
    QTimer m_nextTimer; ///< the short pause before the next hint while one shows
    QPointer<QWidget> m_next;
    QPoint m_nextCursor;
    QElapsedTimer m_lastHidden; ///< when the last hint went away
};

} // namespace ui
