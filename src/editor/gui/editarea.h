// The edit area of an editor window: a rich-text control used in plain-text mode (pasted text
// arrives as plain text, the marks are character formats), which tells when a key or the
// mouse may have moved the caret.
#pragma once

#include <QPlainTextEdit>

namespace editor {

class EditArea : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit EditArea(QWidget *parent = nullptr);

signals:
    /// After a key went down or up, or a mouse button went down.
    void caretInput();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
};

} // namespace editor
