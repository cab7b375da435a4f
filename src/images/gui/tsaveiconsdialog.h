// The dialog "Sauve image" that asks the icon window how to save its selection: as a large or
// small icon or bitmap, under a name asked for or under the image's own name.
#pragma once

#include <QDialog>

#include <cstdint>

class QPushButton;

namespace ui {
class RadioGroup;
}

namespace images {

class TSaveIconsDialog : public QDialog {
    Q_OBJECT
public:
    explicit TSaveIconsDialog(QWidget *parent = nullptr);

    /// Shows the dialog modally, its choices set from the options \a word (naming mode × 256 +
    /// format). On "&Ok" stores the new word and returns true; otherwise leaves it alone.
    static bool askSaveOptions(std::uint16_t &word, QWidget *parent = nullptr);

    /// The options word of the current choices.
    std::uint16_t word() const;
    void setWord(std::uint16_t word);

private:
    ui::RadioGroup *m_rgSaveMode = nullptr;
    ui::RadioGroup *m_rgNameMode = nullptr;
    QPushButton *m_Button1 = nullptr;
    QPushButton *m_Button2 = nullptr;
};

} // namespace images
