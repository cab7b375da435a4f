// The file list box: the regular files of one folder whose names match a mask (hidden and
// read-only files included; no FIFOs, sockets, devices or broken links), sorted, with small icons.
#pragma once

#include <QListWidget>
#include <QRegularExpression>

namespace ui {

class FileList : public QListWidget {
    Q_OBJECT
public:
    explicit FileList(QWidget *parent = nullptr);

    QString directory() const { return m_directory; }
    void setDirectory(const QString &path);
    /// Masks such as "*.PAS", several separated by ";"; letters compared without case.
    void setMask(const QString &mask);
    QString mask() const { return m_mask; }
    void setMultiSelect(bool multi);
    bool multiSelect() const;
    /// Reads the folder again.
    void refresh();

    /// Name of the current (focused) file, empty when there is none.
    QString currentFileName() const;
    /// Full path of the current file, empty when there is none.
    QString currentFilePath() const;
    /// Names of the selected files, in list order.
    QStringList selectedFileNames() const;
    int selectedCount() const;

    /// True when \a name matches the list's mask.
    bool matchesMask(const QString &name) const;

signals:
    /// The selection, the current file or the content changed.
    void changed();
    void keyReleased();
    void mouseReleased();

protected:
    void keyReleaseEvent(QKeyEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    QString m_directory;
    QString m_mask;
    QList<QRegularExpression> m_patterns;
    bool m_all = true;
};

} // namespace ui
