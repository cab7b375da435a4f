// One entry of a resource directory: a resource type at the top level, a resource below it.
// It names itself, says where its bytes lie and how many there are, and saves them. The
// subclasses for pictures and texts also render themselves.
#pragma once

#include "resexplorer/core/bytespan.h"

#include <QString>
#include <QStringList>

#include <cstdint>
#include <memory>

class QIODevice;
class QImage;

namespace resexplorer {

class TExeImage;
class TResourceList;

class TResourceItem {
public:
    /// The item of the IMAGE_RESOURCE_DIRECTORY_ENTRY at file offset \a entry of \a owner.
    TResourceItem(TResourceList &owner, std::uint64_t entry);
    virtual ~TResourceItem();
    TResourceItem(const TResourceItem &) = delete;
    TResourceItem &operator=(const TResourceItem &) = delete;

    virtual QString displayName();
    /// The items below this one; raises EExeError when it has none (see hasSubList).
    virtual TResourceList &subList();
    virtual bool hasSubList();
    /// Writes the resource in the form of a file of its kind.
    virtual void writeData(QIODevice &out);
    /// Draws the resource into \a picture; only pictures can, the others raise EExeError.
    virtual void renderTo(QImage &picture);
    /// Lists the resource as text \a lines; only texts can, the others raise EExeError.
    virtual void renderTo(QStringList &lines);

    /// Writes the resource to \a path. The file is replaced only once everything was written,
    /// so a failure leaves an existing file as it was.
    void saveToFile(const QString &path);

    /// File offset of the directory entry.
    std::uint64_t entry() const { return m_entry; }
    /// The Name dword of the entry: a number, or (high bit set) where the name is.
    std::uint32_t nameField() const;
    bool isNamed() const;
    /// The entry's number, or its name.
    QString entryName() const;

    /// File offset of the IMAGE_RESOURCE_DATA_ENTRY (first language of the resource).
    std::uint64_t dataEntry() const;
    /// File offset of the first entry of the item's own sub-directory.
    std::uint64_t firstChildEntry() const;
    /// File offset of the resource's bytes.
    std::uint64_t dataPtr() const;
    /// The resource's bytes, checked to lie in the file; none for a list.
    ByteSpan data();
    /// The bytes the data entry describes, list or not.
    ByteSpan entryData() const;
    /// As much of the resource's bytes as lies in the file: a damaged entry may describe bytes
    /// past its end, which a hex dump then shows as unreadable.
    ByteSpan availableData();
    std::uint32_t dataSize();
    std::uint32_t displayOffset();

    std::int32_t typeId() const;
    QString typeLabel() const;
    TExeImage &image() const;
    TResourceList &owner() const { return m_owner; }

protected:
    /// The list over the item's own sub-directory, made once.
    TResourceList &directorySubList();
    /// Offset of \a field of the entry, counted from the resource section.
    std::uint32_t entryField(std::uint64_t field) const;
    std::uint64_t subDirectory() const;
    /// Writes all of \a bytes; raises EExeError when the device takes fewer.
    static void writeBytes(QIODevice &out, const QByteArray &bytes);

    std::unique_ptr<TResourceList> m_subList;

private:
    TResourceList &m_owner;
    std::uint64_t m_entry;
};

} // namespace resexplorer
