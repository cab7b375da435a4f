// The window list "Applications ouvertes": every top-level window of the desktop with its
// owner's instance code, program, class and title. It is rebuilt each time the window is
// activated and on "Explorer"; "Liste triée" sorts it by instance code.
#pragma once

#include "platform/desktopwindows.h"

#include <QWidget>

class QCheckBox;
class QLabel;
class QPushButton;
class QTreeView;

namespace tools {

class WindowListModel;

class TForm_Spy : public QWidget {
    Q_OBJECT
public:
    /// A top-level window owned by \a owner, freed when closed.
    explicit TForm_Spy(QWidget *owner = nullptr);

    const WindowListModel &model() const { return *m_model; }

    void Button1Click();
    void CheckBox1Click();

protected:
    bool event(QEvent *event) override;

private:
    /// Where there is no X desktop to read: the program's own visible windows.
    static QList<platform::DesktopWindow> ownWindows();

    WindowListModel *m_model = nullptr;
    QWidget *m_Panel1 = nullptr;
    QPushButton *m_BitBtn1 = nullptr;
    QCheckBox *m_CheckBox1 = nullptr;
    QLabel *m_Label1 = nullptr;
    QTreeView *m_ListView = nullptr;
};

} // namespace tools
