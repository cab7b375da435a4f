#include "tools/core/registrybrowser.h"

#include <algorithm>

namespace tools {

namespace {

QStringList sortedWithoutCase(QStringList names)
{
    std::stable_sort(names.begin(), names.end(),
                     [](const QString &a, const QString &b) { return a.compare(b, Qt::CaseInsensitive) < 0; });
    return names;
}

QString absolute(const QString &path)
{
    return path.startsWith(QLatin1Char('\\')) ? path : QLatin1Char('\\') + path;
}

} // namespace

RegistryBrowser::RegistryBrowser(const RegistryHives &hives) : m_hives(hives)
{
    chooseRoot(RegistryRoot::CurrentUser);
}

QStringList RegistryBrowser::subkeyNames() const
{
    return sortedWithoutCase(m_key->subkeyNames());
}

QStringList RegistryBrowser::valueNames() const
{
    return sortedWithoutCase(m_key->valueNames());
}

std::optional<platform::RegistryValue> RegistryBrowser::value(const QString &name) const
{
    const platform::RegistryValue *found = m_key->value(name);
    if (!found)
        return std::nullopt;
    return *found;
}

bool RegistryBrowser::open(const QString &path)
{
    const bool fromRoot = path.startsWith(QLatin1Char('\\'));
    const QString below = fromRoot ? path.mid(1) : path;
    const platform::RegistryKey *key = fromRoot ? m_tree.findKey(below) : m_key->findKey(below);
    if (!key)
        return false;
    m_key = key;
    if (fromRoot)
        m_path = below;
    else if (!below.isEmpty())
        m_path = m_path.isEmpty() ? below : m_path + QLatin1Char('\\') + below;
    return true;
}

void RegistryBrowser::chooseRoot(RegistryRoot root)
{
    m_root = root;
    m_problems.clear();
    m_tree = m_hives.read(root, &m_problems);
    m_key = &m_tree;
    m_path.clear();
    m_history.clear();
}

bool RegistryBrowser::goDown(const QString &name)
{
    if (name.isEmpty())
        return false;
    addToHistory(absolute(m_path));
    // A name with "\" would be taken for a path: only a subkey of the open key is gone into.
    return m_key->subkey(name) && open(name);
}

void RegistryBrowser::goUp()
{
    if (m_path.isEmpty() || m_path == QLatin1String("\\"))
        return;
    QString parent = absolute(m_path);
    parent.truncate(parent.lastIndexOf(QLatin1Char('\\')));
    if (parent.isEmpty())
        parent = QStringLiteral("\\");
    addToHistory(parent);
    open(parent);
}

void RegistryBrowser::backToRoot()
{
    chooseRoot(m_root);
}

bool RegistryBrowser::openHistory(const QString &path)
{
    return open(absolute(path));
}

void RegistryBrowser::addToHistory(const QString &path)
{
    for (const QString &known : std::as_const(m_history))
        if (known.compare(path, Qt::CaseInsensitive) == 0)
            return;
    const auto place = std::lower_bound(m_history.begin(), m_history.end(), path, [](const QString &a, const QString &b) {
        return a.compare(b, Qt::CaseInsensitive) < 0;
    });
    m_history.insert(place, path);
}

} // namespace tools
