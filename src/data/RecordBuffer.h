#pragma once

#include <cstddef>

// The records of an open table, one after the other in memory. A large table
// is tens of megabytes; the buffer asks the system for huge pages so that
// filling it costs a few page faults instead of one per 4 kB, which makes
// opening 20,000 carriers many times faster.
class RecordBuffer final
{
public:
    RecordBuffer() = default;
    ~RecordBuffer();
    RecordBuffer(const RecordBuffer&) = delete;
    RecordBuffer& operator=(const RecordBuffer&) = delete;

    // Room for `bytes` bytes, contents undefined; false when out of memory.
    bool resize(std::size_t bytes);
    bool append(const char* bytes, std::size_t count);
    void clear();

    char* data() { return m_data; }
    const char* data() const { return m_data; }
    std::size_t size() const { return m_size; }

private:
    bool reserve(std::size_t bytes);

    char* m_data = nullptr;
    std::size_t m_size = 0;
    std::size_t m_capacity = 0;
};
