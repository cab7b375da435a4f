// The folder list (TExtDirectoryListBox): the volume root, the opened parent folders, the
// current folder, then its subfolders sorted; hidden and read-only folders are listed too,
// with a picture of their own.
#pragma once

#include <QListWidget>

namespace ui {

class FolderList : public QListWidget {
    Q_OBJECT
public:
    explicit FolderList(QWidget *parent = nullptr);

    QString directory() const { return m_directory; }
    /// Shows \a path; false (and nothing changes) when it is not a readable folder.
    bool setDirectory(const QString &path);
    /// Reads the current folder again from the disk; false when it is gone.
    bool refresh();

signals:
    void directoryChanged(const QString &path);

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    void fill();
    void openItem(QListWidgetItem *item);

    QString m_directory;
};

} // namespace ui
