// The registry browser "visualiseur de base de registre": a root key box, the way back to the
// root and up one level, the sorted history of the keys left, the subkeys and values of the open
// key, and the contents of the value clicked. It never writes anything.
#pragma once

#include "tools/core/registrybrowser.h"

#include <QWidget>

#include <memory>

class QComboBox;
class QLabel;
class QListWidget;
class QPlainTextEdit;
class QStatusBar;
class QToolButton;

namespace settings {
class SettingsStore;
}

namespace tools {

class TFormreg : public QWidget {
    Q_OBJECT

public:
    /// A top-level window owned by \a parent, freed when closed. HKEY_CURRENT_USER shows the
    /// program's own store, \a store; the Wine prefix gives the other roots their keys.
    explicit TFormreg(const settings::SettingsStore &store, QWidget *parent = nullptr);
    /// The same over \a hives.
    TFormreg(const RegistryHives &hives, QWidget *parent = nullptr);
    ~TFormreg() override;

    const RegistryBrowser &browser() const { return *m_browser; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildControls();
    void connectControls();
    void refresh();
    void showProblems();

    void ComboKeyChange(int index);
    void ComboLastChange(int index);
    void ListSubClick();
    void ListValuesClick();
    void Button1Click();
    void Button2Click();

    std::unique_ptr<RegistryBrowser> m_browser;

    QComboBox *m_ComboKey = nullptr;
    QToolButton *m_Button1 = nullptr;
    QToolButton *m_Button2 = nullptr;
    QComboBox *m_ComboLast = nullptr;
    QListWidget *m_ListSub = nullptr;
    QListWidget *m_ListValues = nullptr;
    QPlainTextEdit *m_memo1 = nullptr;
    QStatusBar *m_StatusBar1 = nullptr;
    QLabel *m_statusPanel = nullptr;
};

} // namespace tools
