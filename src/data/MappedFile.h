#pragma once

#include <QtGlobal>

// A read-only map of a table file. Another program may shorten or replace the
// file while it is mapped; touching a page that is no longer in the file
// raises SIGBUS, so every read copies out of the map under a guard that turns
// that signal into a failed read instead of the end of the program.
class MappedFile final
{
public:
    MappedFile() = default;
    ~MappedFile();
    MappedFile(const MappedFile&) = delete;
    MappedFile& operator=(const MappedFile&) = delete;

    // Maps the first `size` bytes of the open descriptor; false when the
    // system will not (the caller reads with pread then).
    bool map(int fd, qint64 size);
    void unmap();
    bool isMapped() const { return m_data != nullptr; }
    qint64 size() const { return m_size; }

    // Copies `size` bytes from `offset`; false when they lie beyond the map or
    // the file no longer holds them.
    bool copy(qint64 offset, char* into, qint64 size) const;

private:
    const char* m_data = nullptr;
    qint64 m_size = 0;
};
