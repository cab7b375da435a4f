// The frame's font dialog "FontDialog1": family, style, size and colour of a text, the colour
// among the sixteen basic ones, as the editor windows change their font and ink with it.
#pragma once

#include <QColor>
#include <QDialog>
#include <QFont>

class QComboBox;
class QFontComboBox;
class QLabel;

namespace editor {

class FontColourDialog : public QDialog {
    Q_OBJECT
public:
    explicit FontColourDialog(QWidget *parent = nullptr);

    void setCurrent(const QFont &font, const QColor &colour);
    QFont selectedFont() const;
    QColor selectedColour() const;

    /// The sixteen colours offered, with their names.
    static const QList<QPair<QString, QColor>> &basicColours();

private:
    void showSample();

    QFontComboBox *m_family;
    QComboBox *m_style;
    QComboBox *m_size;
    QComboBox *m_colour;
    QLabel *m_sample;
};

} // namespace editor
