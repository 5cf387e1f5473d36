#include "DbfFile.h"

#include "ProgramFolder.h"

#include <QDate>
#include <QFile>
#include <QFileInfo>

#include <shapefil.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr char kEndMark = 0x1A;
constexpr char kDescriptorEnd = 0x0D;
constexpr int kDescriptorSize = 32;
// Visual FoxPro tables keep a 263-byte link to their database after the fields.
constexpr int kFoxProBacklink = 263;

// shapelib (used to create tables) reports problems through a hook without a
// context pointer; the file that is working collects them here.
thread_local QStringList* t_errorSink = nullptr;

void collectError(const char* message)
{
    if (t_errorSink)
        t_errorSink->append(QString::fromLocal8Bit(message).trimmed());
}

QString fileName(const QString& path)
{
    return QFileInfo(path).fileName();
}

quint32 le32(const QByteArray& bytes, int at)
{
    return quint32(quint8(bytes[at])) | quint32(quint8(bytes[at + 1])) << 8 |
           quint32(quint8(bytes[at + 2])) << 16 | quint32(quint8(bytes[at + 3])) << 24;
}

int le16(const QByteArray& bytes, int at)
{
    return quint8(bytes[at]) | quint8(bytes[at + 1]) << 8;
}

bool isFoxPro(quint8 version)
{
    return version == 0x30 || version == 0x31 || version == 0x32;
}

// Reads exactly `size` bytes at `offset`, or fails.
bool readAt(int fd, qint64 offset, char* into, qint64 size)
{
    while (size > 0) {
        const ssize_t n = ::pread(fd, into, static_cast<size_t>(size), offset);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        into += n;
        offset += n;
        size -= n;
    }
    return true;
}

// A free name for the copy of a damaged file, so an earlier copy is never lost.
QString freeCopyName(const QString& path)
{
    QString copy = path + QStringLiteral(".poskozeno");
    for (int n = 2; QFileInfo::exists(copy); ++n)
        copy = path + QStringLiteral(".%1.poskozeno").arg(n);
    return copy;
}

} // namespace

DbfFile::DbfFile() = default;

DbfFile::~DbfFile()
{
    close();
}

Status DbfFile::create(const QString& path, const TableLayout& layout, quint8 languageDriver)
{
    QStringList errors;
    QStringList* previous = t_errorSink;
    t_errorSink = &errors;
    SAHooks hooks;
    SASetupDefaultHooks(&hooks);
    hooks.Error = collectError;
    const QByteArray codePage = "LDID/" + QByteArray::number(languageDriver);
    DBFHandle handle =
        DBFCreateLL(QFile::encodeName(path).constData(), codePage.constData(), &hooks);
    Status result = Status::ok();
    if (!handle) {
        result = Status::error(QStringLiteral("Tabulku %1 nelze vytvořit.").arg(fileName(path)),
                               errors.join(QLatin1Char(' ')));
    } else {
        for (const FieldDef& field : layout.fields) {
            const QByteArray name = field.name.toLatin1();
            if (DBFAddNativeFieldType(handle, name.constData(), field.type, field.width,
                                      field.decimals) < 0) {
                result = Status::error(
                    QStringLiteral("Tabulku %1 nelze vytvořit.").arg(fileName(path)),
                    QStringLiteral("field %1 refused: %2").arg(field.name, errors.join(' ')));
                break;
            }
        }
        const QDate today = QDate::currentDate();
        DBFSetLastModifiedDate(handle, today.year() - 1900, today.month(), today.day());
        DBFClose(handle);
        if (!result)
            QFile::remove(path);
    }
    t_errorSink = previous;
    return result;
}

Status DbfFile::open(const QString& path, bool writable)
{
    close();
    m_warnings.clear();
    m_path = path;
    const QByteArray name = QFile::encodeName(path);
    m_fd = ::open(name.constData(), (writable ? O_RDWR : O_RDONLY) | O_CLOEXEC);
    if (m_fd < 0) {
        const int error = errno;
        if (!QFileInfo::exists(path))
            return Status::error(QStringLiteral("Tabulka %1 neexistuje.").arg(fileName(path)),
                                 path);
        return Status::error(QStringLiteral("Tabulku %1 nelze otevřít.").arg(fileName(path)),
                             QString::fromLocal8Bit(std::strerror(error)));
    }
    m_writable = writable;
    Status s = readHeader();
    if (s && m_writable && std::any_of(m_fields.cbegin(), m_fields.cend(), [](const FieldDef& f) {
            return f.type == 'M';
        })) {
        const QString memo =
            QStringLiteral("Tabulka %1 má poznámky v paměťovém souboru .dbt; program je umí jen "
                           "číst, proto je tabulka otevřena jen pro čtení a nic v ní nelze změnit.")
                .arg(fileName(path));
        s = open(path, false);
        m_warnings.prepend(memo);
        return s;
    }
    if (s && m_damaged && m_writable)
        s = repair();
    else if (s && m_damaged)
        m_warnings[m_damageNote] += QStringLiteral(" Soubor nebyl změněn.");
    if (!s) {
        const QStringList found = m_warnings;
        close();
        m_warnings = found;
    }
    return s;
}

// The lengths of the header must add up: a header one byte too long or too
// short, or a record length other than the fields' widths plus the deletion
// mark, would show every field shifted, and a save would write them so.
Status DbfFile::readHeader()
{
    struct stat info = {};
    if (::fstat(m_fd, &info) != 0)
        return Status::error(QStringLiteral("Tabulku %1 nelze přečíst.").arg(fileName(m_path)));
    const qint64 size = info.st_size;
    const QString notTable =
        QStringLiteral("Soubor %1 nelze otevřít: není to čitelná tabulka dBase.")
            .arg(fileName(m_path));
    QByteArray header(kDescriptorSize, '\0');
    if (size < kDescriptorSize + 1 || !readAt(m_fd, 0, header.data(), kDescriptorSize))
        return Status::error(notTable, QStringLiteral("file of %1 bytes").arg(size));
    m_countInHeader = le32(header, 4);
    m_headerLength = le16(header, 8);
    m_recordLength = le16(header, 10);
    m_codePage = CodePage::forLanguageDriver(quint8(header[29]));
    const quint8 version = quint8(header[0]);
    if (m_headerLength > size)
        return Status::error(
            notTable,
            QStringLiteral("header of %1 bytes in a file of %2").arg(m_headerLength).arg(size));
    header.resize(m_headerLength);
    if (!readAt(m_fd, 0, header.data(), m_headerLength))
        return Status::error(notTable, QStringLiteral("header cannot be read"));

    int at = kDescriptorSize;
    int offset = 1;
    m_fields.clear();
    m_offsets.clear();
    while (at < m_headerLength && header[at] != kDescriptorEnd) {
        if (at + kDescriptorSize > m_headerLength)
            return Status::error(notTable, QStringLiteral("field descriptors run past the header"));
        const char* d = header.constData() + at;
        FieldDef field;
        field.name = QString::fromLatin1(d, qstrnlen(d, 11));
        field.type = d[11];
        field.width = quint8(d[16]);
        if (field.type == 'N' || field.type == 'F')
            field.decimals = quint8(d[17]);
        else if (field.type == 'C')
            field.width += quint8(d[17]) * 256; // long character fields keep the high byte here
        if (field.width <= 0 || field.name.isEmpty())
            return Status::error(notTable,
                                 QStringLiteral("field %1 has no width").arg(m_fields.size()));
        m_fields.append(field);
        m_offsets.append(offset);
        offset += field.width;
        at += kDescriptorSize;
    }
    const int expected = at + 1;
    const bool backlink = isFoxPro(version) && m_headerLength == expected + kFoxProBacklink;
    if (m_fields.isEmpty() || at >= m_headerLength || (m_headerLength != expected && !backlink))
        return Status::error(
            QStringLiteral("Tabulku %1 nelze otevřít: hlavička udává délku %2 bajtů, popis "
                           "polí však končí na %3. Data by se četla posunutá; tabulka nebyla "
                           "změněna.")
                .arg(fileName(m_path))
                .arg(m_headerLength)
                .arg(expected),
            QStringLiteral("header length %1, descriptors end at %2")
                .arg(m_headerLength)
                .arg(expected));
    if (m_recordLength != offset)
        return Status::error(
            QStringLiteral("Tabulku %1 nelze otevřít: hlavička udává délku záznamu %2 bajtů, "
                           "pole však dávají %3. Data by se četla posunutá; tabulka nebyla "
                           "změněna.")
                .arg(fileName(m_path))
                .arg(m_recordLength)
                .arg(offset),
            QStringLiteral("record length %1, fields %2").arg(m_recordLength).arg(offset));
    checkData(size);
    if (!m_codePage.isKnown())
        m_warnings.append(QStringLiteral("Tabulka %1 udává neznámou kódovou stránku (%2); "
                                         "texty se čtou jako Windows-1250.")
                              .arg(fileName(m_path))
                              .arg(m_codePage.languageDriver()));
    return Status::ok();
}

// What the header counts and what the file holds may disagree after a crash or
// a copy cut short. Only whole records count. Whole records after the counted
// ones are those of a writer that died before it raised the count: they are
// taken in rather than overwritten by the next append. Bytes after the last
// whole record, but for the end mark, are a record cut while it was written.
void DbfFile::checkData(qint64 fileSize)
{
    const qint64 dataBytes = fileSize - m_headerLength;
    m_fileRecords = dataBytes / m_recordLength;
    qint64 kept = std::min<qint64>(m_countInHeader, m_fileRecords);
    QByteArray mark(1, '\0');
    while (kept < m_fileRecords &&
           readAt(m_fd, m_headerLength + kept * m_recordLength, mark.data(), 1) &&
           (mark[0] == ' ' || mark[0] == '*'))
        ++kept;
    m_recordCount = static_cast<int>(std::min<qint64>(kept, INT_MAX));
    m_tailBytes = dataBytes - kept * m_recordLength;
    if (m_tailBytes == 1 && readAt(m_fd, fileSize - 1, mark.data(), 1) && mark[0] == kEndMark)
        m_tailBytes = 0;
    m_damaged = m_recordCount != m_countInHeader || m_tailBytes > 0;
    if (!m_damaged)
        return;
    QStringList found;
    if (m_countInHeader > m_recordCount)
        found.append(QStringLiteral("hlavička udává %1 záznamů, celých je v souboru jen %2")
                         .arg(m_countInHeader)
                         .arg(m_recordCount));
    if (m_countInHeader < m_recordCount)
        found.append(QStringLiteral("hlavička udává %1 záznamů, za nimi však leží ještě %2 "
                                    "celých záznamů zápisu, který nedoběhl; ty byly obnoveny")
                         .arg(m_countInHeader)
                         .arg(m_recordCount - m_countInHeader));
    if (m_tailBytes > 0)
        found.append(QStringLiteral("za posledním celým záznamem leží %1 bajtů neúplného "
                                    "záznamu, které nelze přečíst")
                         .arg(m_tailBytes));
    m_damageNote = static_cast<int>(m_warnings.size());
    m_warnings.append(QStringLiteral("Tabulka %1 je poškozená: %2. Ponecháno celých záznamů: %3.")
                          .arg(fileName(m_path), found.join(QStringLiteral("; ")))
                          .arg(m_recordCount));
}

// Puts a damaged file right before anything is written into it: the file as it
// was is copied aside, then the count is set to the records kept and whatever
// follows them is cut off, so the first append cannot land after unreadable
// bytes and no reader sees records the count does not cover.
Status DbfFile::repair()
{
    const QString copy = freeCopyName(m_path);
    if (!QFile::copy(m_path, copy)) {
        m_writable = false;
        m_warnings[m_damageNote] += QStringLiteral(" Tabulku nelze zálohovat, proto je otevřena "
                                                   "jen pro čtení a nebyla změněna.");
        return Status::ok();
    }
    const qint64 end = m_headerLength + qint64(m_recordCount) * m_recordLength;
    if (::ftruncate(m_fd, end) != 0)
        return Status::error(
            QStringLiteral("Poškozenou tabulku %1 nelze opravit.").arg(fileName(m_path)),
            QString::fromLocal8Bit(std::strerror(errno)));
    if (Status s = stampHeader(); !s)
        return s;
    if (Status s = writeAt(end, &kEndMark, 1, "end mark"); !s)
        return s;
    m_warnings[m_damageNote] +=
        QStringLiteral(" Původní stav tabulky je uschován v souboru %1.").arg(fileName(copy));
    m_damaged = false;
    return Status::ok();
}

void DbfFile::close()
{
    if (m_fd < 0)
        return;
    ::close(m_fd);
    m_fd = -1;
    m_damaged = false;
    m_writable = false;
}

QByteArray DbfFile::readRecord(int index)
{
    if (m_fd < 0 || index < 0 || index >= m_recordCount)
        return {};
    QByteArray record(m_recordLength, '\0');
    if (!readAt(m_fd, m_headerLength + qint64(index) * m_recordLength, record.data(),
                m_recordLength))
        return {};
    return record;
}

Status DbfFile::readAllRecords(char* records, qint64 bytes)
{
    if (m_fd < 0 || bytes != qint64(m_recordCount) * m_recordLength ||
        !readAt(m_fd, m_headerLength, records, bytes))
        return Status::error(QStringLiteral("Tabulku %1 nelze přečíst.").arg(fileName(m_path)),
                             QString::fromLocal8Bit(std::strerror(errno)));
    return Status::ok();
}

// One pwrite per call: the kernel puts a regular file's write in place as a
// whole, so a reader or a crash sees all of it or none of it.
Status DbfFile::writeAt(qint64 offset, const char* bytes, qint64 size, const char* what)
{
    ssize_t n = -1;
    do {
        n = ::pwrite(m_fd, bytes, static_cast<size_t>(size), offset);
    } while (n < 0 && errno == EINTR);
    if (n == size)
        return Status::ok();
    const QString reason =
        n < 0 ? QString::fromLocal8Bit(std::strerror(errno)) : QStringLiteral("short write");
    return Status::error(QStringLiteral("Zápis do tabulky %1 se nezdařil.").arg(fileName(m_path)),
                         QStringLiteral("%1: %2").arg(QLatin1String(what), reason));
}

// Date of the last update and the record count, bytes 1-7 of the header.
Status DbfFile::stampHeader()
{
    const QDate today = QDate::currentDate();
    char stamp[7] = {char(today.year() - 1900), char(today.month()), char(today.day())};
    const quint32 count = static_cast<quint32>(m_recordCount);
    for (int i = 0; i < 4; ++i)
        stamp[3 + i] = char((count >> (8 * i)) & 0xFF);
    return writeAt(1, stamp, sizeof stamp, "header");
}

Status DbfFile::writeRecord(int index, const QByteArray& record)
{
    if (m_fd < 0 || index < 0 || index > m_recordCount || record.size() != m_recordLength)
        return Status::error(QStringLiteral("Záznam nelze zapsat."),
                             QStringLiteral("bad record %1 of %2").arg(index).arg(m_path));
    if (!m_writable)
        return Status::error(
            QStringLiteral("Tabulka %1 je otevřena jen pro čtení.").arg(fileName(m_path)));
    const qint64 at = m_headerLength + qint64(index) * m_recordLength;
    if (Status s = writeAt(at, record.constData(), m_recordLength, "record"); !s)
        return s;
    const bool appended = index == m_recordCount;
    if (appended)
        ++m_recordCount;
    if (Status s = stampHeader(); !s)
        return s;
    if (appended)
        return writeAt(at + m_recordLength, &kEndMark, 1, "end mark");
    return Status::ok();
}

Status DbfFile::markDeleted(int index)
{
    if (m_fd < 0 || index < 0 || index >= m_recordCount)
        return Status::error(QStringLiteral("Záznam nelze odstranit."));
    if (!m_writable)
        return Status::error(
            QStringLiteral("Tabulka %1 je otevřena jen pro čtení.").arg(fileName(m_path)));
    const char mark = '*';
    if (Status s = writeAt(m_headerLength + qint64(index) * m_recordLength, &mark, 1, "delete"); !s)
        return s;
    return stampHeader();
}

// dBase III memos run from the start of their block to an end mark; dBase IV
// ones begin with a marker and their length, and the memo file's header may
// give another block size than 512.
QString DbfFile::memoText(const char* value, int width) const
{
    bool ok = false;
    const qint64 block = QByteArray(value, width).trimmed().toLongLong(&ok);
    if (!ok || block <= 0)
        return {};
    const QFileInfo table(m_path);
    QFile memo(ProgramFolder::findFile(table.absolutePath() + QLatin1Char('/'),
                                       table.completeBaseName() + QStringLiteral(".dbt")));
    if (!memo.open(QIODevice::ReadOnly))
        return {};
    const QByteArray head = memo.read(24);
    qint64 blockSize = 512;
    if (head.size() >= 22) {
        const int given = le16(head, 20);
        if (given >= 64 && given % 64 == 0)
            blockSize = given;
    }
    constexpr qint64 kLongest = 65536;
    if (!memo.seek(block * blockSize))
        return {};
    QByteArray bytes = memo.read(kLongest);
    if (bytes.startsWith(QByteArray("\xFF\xFF\x08\x00", 4)) && bytes.size() >= 8) {
        const qint64 length = std::clamp<qint64>(qint64(le32(bytes, 4)) - 8, 0, bytes.size() - 8);
        bytes = bytes.mid(8, length);
    } else {
        const qsizetype end = bytes.indexOf(kEndMark);
        if (end >= 0)
            bytes.truncate(end);
    }
    while (!bytes.isEmpty() && (bytes.back() == ' ' || bytes.back() == '\0'))
        bytes.chop(1);
    return m_codePage.decode(bytes);
}

QByteArray DbfFile::blankRecord() const
{
    return QByteArray(m_recordLength, ' ');
}
