// The font list "Polices disponibles": the installed font families, each name drawn in its own
// font; a click shows the chosen name below the list.
#pragma once

#include <QWidget>

class QLabel;
class QListWidget;

namespace tools {

class TFormFontlist : public QWidget {
    Q_OBJECT
public:
    /// A top-level window owned by \a owner, freed when closed.
    explicit TFormFontlist(QWidget *owner = nullptr);

    void ListBox1Click();

private:
    void FormCreate();

    QLabel *m_Label1 = nullptr;
    QListWidget *m_ListBox1 = nullptr;
    QLabel *m_Label2 = nullptr;
    QLabel *m_FontLabel = nullptr;
};

} // namespace tools
