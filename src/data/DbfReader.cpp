#include "DbfReader.h"

#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr int kBlockBytes = 64 * 1024;
constexpr int kDescriptorSize = 32;

quint32 le32(const unsigned char* p)
{
    return p[0] | (p[1] << 8) | (p[2] << 16) | (quint32(p[3]) << 24);
}

quint16 le16(const unsigned char* p)
{
    return static_cast<quint16>(p[0] | (p[1] << 8));
}

// pread until `size` bytes or the end of the file; the bytes read.
qint64 readAt(int fd, char* out, qint64 size, qint64 offset)
{
    qint64 done = 0;
    while (done < size) {
        const ssize_t n = ::pread(fd, out + done, static_cast<size_t>(size - done), offset + done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            break;
        done += n;
    }
    return done;
}

QString fileName(const QString& path)
{
    return QFileInfo(path).fileName();
}

} // namespace

DbfReader::~DbfReader()
{
    close();
}

void DbfReader::close()
{
    m_map.unmap();
    if (m_fd >= 0)
        ::close(m_fd);
    m_fd = -1;
    invalidate();
}

void DbfReader::invalidate()
{
    for (Block& block : m_blocks) {
        block.first = -1;
        block.count = 0;
    }
}

int DbfReader::fieldIndex(const QString& name) const
{
    for (int i = 0; i < m_fields.size(); ++i) {
        if (m_fields.at(i).name.compare(name, Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

Status DbfReader::open(const QString& path)
{
    close();
    m_warnings.clear();
    m_path = path;
    m_fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC);
    if (m_fd < 0)
        return QFileInfo::exists(path)
                   ? Status::error(QStringLiteral("Tabulku %1 nelze číst.").arg(fileName(path)),
                                   QString::fromLocal8Bit(std::strerror(errno)))
                   : Status::error(QStringLiteral("Tabulka %1 neexistuje.").arg(fileName(path)),
                                   path);
    if (Status s = readHeader(); !s) {
        close();
        return s;
    }
    mapFile();
    return Status::ok();
}

// Bytes 4-7 hold the record count, 8-9 the header length, 10-11 the record
// length, 29 the language driver; a 32-byte descriptor per field follows until
// the 0x0D terminator.
Status DbfReader::readHeader()
{
    const Status unreadable =
        Status::error(QStringLiteral("Soubor %1 nelze otevřít: není to čitelná tabulka dBase.")
                          .arg(fileName(m_path)),
                      m_path);
    unsigned char head[kDescriptorSize];
    if (readAt(m_fd, reinterpret_cast<char*>(head), sizeof head, 0) != sizeof head)
        return unreadable;
    m_headerLength = le16(head + 8);
    m_recordLength = le16(head + 10);
    const int descriptors = (m_headerLength - kDescriptorSize - 1) / kDescriptorSize;
    if (m_headerLength < kDescriptorSize + 1 || m_recordLength < 1 || descriptors < 1)
        return unreadable;
    QByteArray table(descriptors * kDescriptorSize, '\0');
    if (readAt(m_fd, table.data(), table.size(), kDescriptorSize) != table.size())
        return unreadable;
    m_fields.clear();
    m_offsets.clear();
    int offset = 1;
    for (int i = 0; i < descriptors; ++i) {
        const auto* d =
            reinterpret_cast<const unsigned char*>(table.constData()) + i * kDescriptorSize;
        if (d[0] == 0x0D)
            break;
        const char* name = reinterpret_cast<const char*>(d);
        m_fields.append({QString::fromLatin1(name, qstrnlen(name, 11)), static_cast<char>(d[11]),
                         d[16], d[17]});
        m_offsets.append(offset);
        offset += d[16];
    }
    if (m_fields.isEmpty() || offset > m_recordLength)
        return unreadable;
    m_codePage = CodePage::forLanguageDriver(head[29]);
    m_blockRecords = std::max(1, kBlockBytes / m_recordLength);
    const int claimed = static_cast<int>(le32(head + 4));
    m_claimed = claimed;
    m_recordCount = wholeRecords(claimed);
    if (m_recordCount < claimed)
        m_warnings.append(QStringLiteral("Tabulka %1 je poškozená: hlavička udává %2 záznamů, "
                                         "celých je jen %3. Zbylé záznamy nelze přečíst.")
                              .arg(fileName(m_path))
                              .arg(claimed)
                              .arg(m_recordCount));
    return Status::ok();
}

int DbfReader::wholeRecords(int claimed) const
{
    struct stat info;
    if (::fstat(m_fd, &info) != 0)
        return 0;
    const qint64 data = info.st_size - m_headerLength;
    const qint64 whole = data > 0 ? data / m_recordLength : 0;
    return static_cast<int>(std::min<qint64>(std::max(claimed, 0), whole));
}

int DbfReader::claimedCount() const
{
    unsigned char count[4];
    return readAt(m_fd, reinterpret_cast<char*>(count), 4, 4) == 4 ? static_cast<int>(le32(count))
                                                                   : 0;
}

// The records the count covers; pages beyond the file's end are never mapped.
void DbfReader::mapFile()
{
    const qint64 needed = m_headerLength + qint64(m_recordCount) * m_recordLength;
    if (m_map.isMapped() && m_map.size() == needed)
        return;
    if (m_recordCount == 0 || !m_map.map(m_fd, needed))
        m_map.unmap();
}

bool DbfReader::refresh()
{
    if (m_fd < 0)
        return false;
    const int claimed = claimedCount();
    if (claimed == m_claimed && wholeRecords(m_recordCount) == m_recordCount)
        return false;
    m_claimed = claimed;
    m_recordCount = wholeRecords(claimed);
    invalidate();
    mapFile();
    return true;
}

void DbfReader::setRecordCount(int count)
{
    m_recordCount = wholeRecords(count);
    invalidate();
    mapFile();
}

DbfReader::Block& DbfReader::loadBlock(int index)
{
    int first = index / m_blockRecords * m_blockRecords;
    Block* victim = &m_blocks[0];
    for (Block& block : m_blocks) {
        if (block.first >= 0 && index >= block.first && index < block.first + block.count) {
            m_last = index;
            block.used = ++m_clock;
            return block;
        }
        if (block.used < victim->used)
            victim = &block;
    }
    // A walk in index order jumps about the file: it reads single records,
    // while a walk in file order reads a block at a time.
    const bool sequential = index == m_last + 1;
    m_last = index;
    if (!sequential)
        first = index;
    const int wanted = sequential ? std::min(m_blockRecords, m_recordCount - first) : 1;
    victim->bytes.resize(static_cast<qsizetype>(wanted) * m_recordLength);
    const qint64 got = readAt(m_fd, victim->bytes.data(), victim->bytes.size(),
                              m_headerLength + static_cast<qint64>(first) * m_recordLength);
    victim->first = first;
    victim->count = static_cast<int>(got / m_recordLength);
    victim->used = ++m_clock;
    return *victim;
}

bool DbfReader::isDeleted(int index)
{
    char mark = 0;
    if (index >= 0 && index < m_recordCount &&
        m_map.copy(m_headerLength + qint64(index) * m_recordLength, &mark, 1) &&
        (mark == ' ' || mark == '*'))
        return mark == '*';
    const char* raw = record(index);
    return raw && raw[0] == '*';
}

const char* DbfReader::record(int index)
{
    if (m_fd < 0 || index < 0 || index >= m_recordCount)
        return nullptr;
    if (m_map.isMapped()) {
        m_one.resize(m_recordLength);
        // A page cut off the file fails the copy; the rest of a cut page reads
        // as zeros, which no record starts with. Either way pread tells.
        if (m_map.copy(m_headerLength + qint64(index) * m_recordLength, m_one.data(),
                       m_recordLength) &&
            (m_one.at(0) == ' ' || m_one.at(0) == '*'))
            return m_one.constData();
    }
    const Block& block = loadBlock(index);
    if (index >= block.first + block.count)
        return nullptr;
    return block.bytes.constData() + static_cast<qsizetype>(index - block.first) * m_recordLength;
}
