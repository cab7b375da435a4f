// An editor child window of the frame. For now it shows a file's text read-only.
#pragma once

#include <QWidget>

class QPlainTextEdit;

namespace editor {

class TEditForm : public QWidget {
    Q_OBJECT
public:
    explicit TEditForm(QWidget *parent = nullptr);

    /// Loads \a path (a full path). False, with the window left empty, when it cannot be read.
    bool openFile(const QString &path);
    /// Replaces the text.
    void setText(const QString &text);
    QString text() const;

private:
    QPlainTextEdit *m_text;
};

} // namespace editor
