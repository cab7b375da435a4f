// Read-only, whole-file access for the binary readers. The file's bytes are copied once into a
// private mapping that is then made read-only: a shared map of the file itself would fault
// (SIGBUS) as soon as another program shortened the file, whereas this view stays valid and
// unchanged whatever happens to the file afterwards. Only regular files are opened.
#pragma once

#include <QByteArray>

#include <cstddef>

namespace platform {

class MappedFile {
public:
    enum class Status {
        Ok,
        CannotOpen, ///< missing, not allowed, or not a regular file
        CannotMap,  ///< nothing to map: the file is empty
        CannotView, ///< no memory for the view, or the file could not be read into it
    };

    MappedFile() = default;
    ~MappedFile();
    MappedFile(const MappedFile &) = delete;
    MappedFile &operator=(const MappedFile &) = delete;

    /// Maps the whole of \a path (native bytes). Any earlier view is released first.
    Status open(const QByteArray &path);
    void close();

    const unsigned char *data() const { return static_cast<const unsigned char *>(m_view); }
    std::size_t size() const { return m_size; }

private:
    void *m_view = nullptr;
    std::size_t m_mapped = 0; ///< length of the mapping (the file's size when opened)
    std::size_t m_size = 0;   ///< bytes that were actually read into it
};

} // namespace platform
