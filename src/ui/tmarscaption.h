// The gradient caption of a form. The window manager's title bar is switched off (the form
// becomes frameless) and the caption bar and the frame are drawn inside the window by a
// caption-bar widget and four frame edges: the gradient, icon, texts and caption buttons, the
// system menu, double-clicks, moving and sizing through the window system.
#pragma once

#include "ui/core/captiongeometry.h"
#include "ui/core/captionpainter.h"

#include <QMargins>
#include <QObject>
#include <QPointer>

#include <array>

class QMenu;
class QWidget;

namespace ui {

class MarsCaptionBar;
class MarsFrameEdge;

/// The commands the caption buttons and the system menu send to the form.
enum class SysCommand { Close, Minimize, Maximize, Restore, Move, Size, ContextHelp };

class TMarsCaption : public QObject {
    Q_OBJECT
public:
    /// Takes over the caption of \a owner, which must be a form (a top-level widget): anything
    /// else is a programming error that stops the program with "The MarsCaption's owner must be
    /// a Form!". A form laid out by a layout keeps its size, the caption and frame taking the
    /// top of it; a form whose controls are placed by hand grows by them and its controls move
    /// below the caption, so its client area stays as designed.
    explicit TMarsCaption(QObject *owner);
    ~TMarsCaption() override;

    QColor activeBeginColor() const { return m_look.activeBeginColor; }
    void setActiveBeginColor(const QColor &color);
    QColor activeEndColor() const { return m_look.activeEndColor; }
    void setActiveEndColor(const QColor &color);
    QColor activeFontColor() const { return m_look.activeFontColor; }
    void setActiveFontColor(const QColor &color);
    QColor inactiveBeginColor() const { return m_look.inactiveBeginColor; }
    void setInactiveBeginColor(const QColor &color);
    QColor inactiveEndColor() const { return m_look.inactiveEndColor; }
    void setInactiveEndColor(const QColor &color);
    QColor inactiveFontColor() const { return m_look.inactiveFontColor; }
    void setInactiveFontColor(const QColor &color);
    QString applicationName() const { return m_look.applicationName; }
    void setApplicationName(const QString &name);
    QFont applicationNameFont() const { return m_look.applicationNameFont; }
    void setApplicationNameFont(const QFont &font);
    QFont captionFont() const { return m_look.captionFont; }
    void setCaptionFont(const QFont &font);
    int numColors() const { return m_look.numColors; }
    void setNumColors(int count);
    bool autoSize() const { return m_look.autoSize; }
    void setAutoSize(bool on);

    /// The search dialog's rule: every point of the window is client area, so the caption
    /// neither moves the window nor opens the system menu.
    void setCaptionIsClient(bool client) { m_captionIsClient = client; }
    bool captionIsClient() const { return m_captionIsClient; }

    const CaptionLook &look() const { return m_look; }
    BorderStyle borderStyle() const { return m_style; }
    BorderIcons borderIcons() const { return m_icons; }
    WindowShowState showState() const;
    /// The geometry for the form's current size, in window coordinates.
    CaptionGeometry geometry() const;
    /// The caption is drawn active (the form is the active window).
    bool drawnActive() const;
    /// The caption text: the form's title.
    QString captionText() const;
    QWidget *form() const { return m_form; }
    QWidget *captionBar() const;
    QMenu *systemMenu() const { return m_systemMenu; }

    /// Sets the system menu's items for the window's state.
    void refreshSystemMenu();
    void sendSysCommand(SysCommand command);
    /// Moves the window with the mouse from \a globalPos: through the window system, or by
    /// following the mouse where the window system cannot.
    void startMove(QPoint globalPos);
    void startResize(Qt::Edges edges, QPoint globalPos);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    friend class MarsCaptionBar;
    friend class MarsFrameEdge;

    void changed();
    void placeParts();
    QMargins margins() const;
    /// Follows the mouse for a move or resize the window system did not take.
    bool followMouse(QEvent *event);

    QWidget *m_form = nullptr;
    CaptionLook m_look;
    BorderStyle m_style = BorderStyle::Sizeable;
    BorderIcons m_icons;
    bool m_captionIsClient = false;
    MarsCaptionBar *m_bar = nullptr;
    std::array<MarsFrameEdge *, 4> m_edges{};
    QMenu *m_systemMenu = nullptr;

    // What installing changed, given back on destruction.
    Qt::WindowFlags m_previousFlags;
    QMargins m_previousMargins;
    bool m_laidOut = false;
    QPoint m_childOffset;
    QList<QPointer<QWidget>> m_movedChildren;
    QSize m_grownBy;

    // A move or resize followed by hand.
    enum class Follow { None, Move, Resize };
    Follow m_follow = Follow::None;
    Qt::Edges m_followEdges;
    QPoint m_followStart;
    QRect m_followGeometry;
};

} // namespace ui
