#include "RecordBuffer.h"

#include <cstdlib>
#include <cstring>

#ifdef __linux__
#include <sys/mman.h>
#endif

namespace {
constexpr std::size_t kHugePage = std::size_t(2) << 20;

std::size_t roundUp(std::size_t bytes)
{
    return (bytes + kHugePage - 1) / kHugePage * kHugePage;
}
} // namespace

RecordBuffer::~RecordBuffer()
{
    std::free(m_data);
}

bool RecordBuffer::reserve(std::size_t bytes)
{
    if (bytes <= m_capacity)
        return true;
    const std::size_t capacity = roundUp(bytes > 2 * m_capacity ? bytes : 2 * m_capacity);
    auto* data = static_cast<char*>(std::aligned_alloc(kHugePage, capacity));
    if (!data)
        return false;
#ifdef __linux__
    madvise(data, capacity, MADV_HUGEPAGE);
#endif
    if (m_size > 0)
        std::memcpy(data, m_data, m_size);
    std::free(m_data);
    m_data = data;
    m_capacity = capacity;
    return true;
}

bool RecordBuffer::resize(std::size_t bytes)
{
    if (!reserve(bytes))
        return false;
    m_size = bytes;
    return true;
}

bool RecordBuffer::append(const char* bytes, std::size_t count)
{
    if (!reserve(m_size + count))
        return false;
    std::memcpy(m_data + m_size, bytes, count);
    m_size += count;
    return true;
}

void RecordBuffer::clear()
{
    std::free(m_data);
    m_data = nullptr;
    m_size = 0;
    m_capacity = 0;
}
