// The registry browser's walk through the keys of one root key: the open key and its path, the
// way down, up and back to the root, and the sorted history of the paths left. It only reads.
// The root's keys are read from their files when the root is chosen (or gone back to), and the
// walk then moves through what was read.
#pragma once

#include "tools/core/registryhives.h"

#include "platform/registrykey.h"

#include <QString>
#include <QStringList>

#include <optional>

namespace tools {

class RegistryBrowser {
public:
    /// Starts on HKEY_CURRENT_USER at its root.
    explicit RegistryBrowser(const RegistryHives &hives);
    // The open key points into the tree the browser holds.
    RegistryBrowser(const RegistryBrowser &) = delete;
    RegistryBrowser &operator=(const RegistryBrowser &) = delete;

    RegistryRoot root() const { return m_root; }
    /// The path of the open key below the root, without a leading "\"; empty at the root.
    const QString &currentPath() const { return m_path; }
    /// The absolute paths left, each beginning with "\", sorted without regard to case.
    const QStringList &history() const { return m_history; }
    /// Files of the root that exist but could not be read when it was chosen.
    const QStringList &problems() const { return m_problems; }

    /// Names of the open key's subkeys, sorted without regard to case.
    QStringList subkeyNames() const;
    /// Names of the open key's values, sorted without regard to case ("" the default value).
    QStringList valueNames() const;
    /// The value \a name of the open key; nothing when it has none.
    std::optional<platform::RegistryValue> value(const QString &name) const;

    /// Opens \a path: from the root when it begins with "\", else below the open key. False,
    /// and nothing changes, when there is no such key.
    bool open(const QString &path);

    /// Another root: its keys are read, its root opened, the history emptied.
    void chooseRoot(RegistryRoot root);
    /// Down into the subkey \a name, the path left going into the history.
    bool goDown(const QString &name);
    /// Up one level, the parent's path going into the history; nothing at the root.
    void goUp();
    /// Back to the root: the keys are read again and the history emptied.
    void backToRoot();
    /// Opens \a path of the history (absolute).
    bool openHistory(const QString &path);

private:
    void addToHistory(const QString &path);

    RegistryHives m_hives;
    RegistryRoot m_root = RegistryRoot::CurrentUser;
    platform::RegistryKey m_tree;
    const platform::RegistryKey *m_key = nullptr;
    QString m_path;
    QStringList m_history;
    QStringList m_problems;
};

} // namespace tools
