#include "editor/gui/editarea.h"

namespace editor {

EditArea::EditArea(QWidget *parent) : QPlainTextEdit(parent) {}

void EditArea::keyPressEvent(QKeyEvent *event)
{
    QPlainTextEdit::keyPressEvent(event);
    emit caretInput();
}

void EditArea::keyReleaseEvent(QKeyEvent *event)
{
    QPlainTextEdit::keyReleaseEvent(event);
    emit caretInput();
}

void EditArea::mousePressEvent(QMouseEvent *event)
{
    QPlainTextEdit::mousePressEvent(event);
    emit caretInput();
}

} // namespace editor
