#include "BulkWriter.h"

#include "DbfFile.h"
#include "DbfReader.h"
#include "FieldCodec.h"
#include "IndexFile.h"
#include "TableFiles.h"
#include "TableScan.h"

#include <QDate>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace {

// About a megabyte of rows per write: large enough for disk speed, small
// enough that a crash loses little.
constexpr int kBlockBytes = 1 << 20;
constexpr int kMemoBlock = 512;

bool writeAt(int fd, const char* bytes, qint64 size, qint64 offset)
{
    qint64 done = 0;
    while (done < size) {
        const ssize_t n =
            ::pwrite(fd, bytes + done, static_cast<size_t>(size - done), offset + done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        done += n;
    }
    return true;
}

void putLe32(char* out, quint32 value)
{
    for (int i = 0; i < 4; ++i)
        out[i] = static_cast<char>((value >> (8 * i)) & 0xFF);
}

QString fileName(const QString& path)
{
    return QFileInfo(path).fileName();
}

// Values of copies come without the locale; made once, as a copy sets a
// value of every field of every row.
const QLocale& cLocale()
{
    static const QLocale c = QLocale::c();
    return c;
}

} // namespace

BulkWriter::~BulkWriter()
{
    // Nobody is left to hear of a failure here; whatever was whole on disk
    // is counted, as after a crash.
    if (isOpen())
        (void)finish();
}

int BulkWriter::fieldIndex(const QString& name) const
{
    // Callers mostly spell names as the file does; only others are folded.
    const auto exact = m_fieldByName.constFind(name);
    return exact != m_fieldByName.cend() ? *exact : m_fieldByName.value(name.toUpper(), -1);
}

// The empty table is made beside the target and renamed over it, so a crash
// while the header is written leaves the old table or the new one, whole.
Status BulkWriter::create(const QString& path, const TableLayout& layout, quint8 languageDriver)
{
    closeFile();
    const QFileInfo info(path);
    const QString fresh = info.path() + QStringLiteral("/~") + info.fileName();
    QFile::remove(fresh);
    if (Status s = DbfFile::create(fresh, layout, languageDriver); !s)
        return s;
    if (::rename(QFile::encodeName(fresh).constData(), QFile::encodeName(path).constData()) != 0) {
        QFile::remove(fresh);
        return Status::error(QStringLiteral("Tabulku %1 nelze vytvořit.").arg(fileName(path)),
                             QString::fromLocal8Bit(std::strerror(errno)));
    }
    m_layout = layout;
    const bool memo = std::any_of(layout.fields.cbegin(), layout.fields.cend(),
                                  [](const FieldDef& f) { return f.type == 'M'; });
    if (memo) {
        const QString memoPath =
            info.path() + QLatin1Char('/') + info.completeBaseName() + QStringLiteral(".dbt");
        if (Status s = tablefiles::writeEmptyMemo(memoPath); !s)
            return s;
    }
    return openFile(path);
}

Status BulkWriter::createFromTemplate(const QString& templateFolder, const QString& dataFolder,
                                      const QString& baseName)
{
    closeFile();
    if (Status s = tablefiles::recreateFromTemplate(templateFolder, dataFolder, baseName); !s)
        return s;
    m_layout = layouts::forTable(baseName);
    return openFile(tablefiles::dbfPath(dataFolder, baseName));
}

Status BulkWriter::openForAppend(const QString& path)
{
    closeFile();
    m_layout = layouts::forTable(QFileInfo(path).completeBaseName());
    // The index file of a table that is only added to already names its tags.
    m_layout.tags.clear();
    return openFile(path);
}

Status BulkWriter::openFile(const QString& path)
{
    DbfReader reader;
    if (Status s = reader.open(path); !s)
        return s;
    m_path = path;
    m_fields = reader.fields();
    m_offsets = reader.fieldOffsets();
    m_codePage = reader.codePage();
    m_headerLength = reader.headerLength();
    m_recordLength = reader.recordLength();
    m_flushed = reader.recordCount();
    m_pending = 0;
    m_fieldByName.clear();
    m_hasMemo = false;
    for (int i = 0; i < m_fields.size(); ++i) {
        m_fieldByName.insert(m_fields.at(i).name.toUpper(), i);
        m_hasMemo = m_hasMemo || m_fields.at(i).type == 'M';
    }
    m_fd = ::open(QFile::encodeName(path).constData(), O_RDWR | O_CLOEXEC);
    if (m_fd < 0)
        return Status::error(QStringLiteral("Do tabulky %1 nelze zapisovat.").arg(fileName(path)),
                             QString::fromLocal8Bit(std::strerror(errno)));
    if (m_hasMemo) {
        const QFileInfo info(path);
        const QString memoPath =
            tablefiles::memoPath(info.path() + QLatin1Char('/'), info.completeBaseName());
        m_memoFd = ::open(QFile::encodeName(memoPath).constData(), O_RDWR | O_CLOEXEC);
        char head[4] = {};
        if (m_memoFd < 0 || ::pread(m_memoFd, head, 4, 0) != 4) {
            closeFile();
            return Status::error(
                QStringLiteral("Soubor poznámek tabulky %1 nelze otevřít.").arg(fileName(path)),
                memoPath);
        }
        quint32 next = 0;
        for (int i = 3; i >= 0; --i)
            next = (next << 8) | static_cast<unsigned char>(head[i]);
        m_memoNextBlock = m_memoFlushedBlock = std::max<quint32>(next, 1);
    }
    m_block.reserve(kBlockBytes + m_recordLength);
    clearRow();
    return Status::ok();
}

void BulkWriter::clearRow()
{
    // The row's buffer is kept from row to row.
    if (m_row.size() == m_recordLength)
        m_row.fill(' ');
    else
        m_row = QByteArray(m_recordLength, ' ');
}

Status BulkWriter::setField(int field, const QString& text, const QLocale& locale)
{
    if (!isOpen())
        return Status::error(QStringLiteral("Tabulka není otevřena."), m_path);
    if (field < 0)
        return Status::error(QStringLiteral("Pole v tabulce neexistuje."), m_path);
    if (m_fields.at(field).type == 'M')
        return setMemo(field, text);
    QByteArray bytes;
    if (Status s = fieldcodec::fromText(m_fields.at(field), text, m_codePage, locale, &bytes); !s)
        return Status::error(s.message(), s.detail() + QStringLiteral(" in ") + fileName(m_path));
    std::memcpy(m_row.data() + m_offsets.at(field), bytes.constData(), bytes.size());
    return Status::ok();
}

Status BulkWriter::setFieldText(const QString& name, const QString& text)
{
    const int field = fieldIndex(name);
    if (field < 0)
        return Status::error(QStringLiteral("Pole %1 v tabulce neexistuje.").arg(name), m_path);
    return setField(field, text, m_locale);
}

Status BulkWriter::setFieldValueText(const QString& name, const QString& text)
{
    const int field = fieldIndex(name);
    if (field < 0)
        return Status::error(QStringLiteral("Pole %1 v tabulce neexistuje.").arg(name), m_path);
    return setField(field, text, cLocale());
}

Status BulkWriter::setFieldBool(const QString& name, bool value)
{
    const int field = fieldIndex(name);
    if (field >= 0 && m_fields.at(field).type != 'L')
        return Status::error(QStringLiteral("Pole %1 není logické.").arg(name), m_path);
    return setFieldText(name, value ? QStringLiteral("T") : QStringLiteral("F"));
}

// dBase III memo: the text, two 0x1A marks, padded to whole 512-byte blocks;
// the record holds the first block's number right-aligned in ten places.
Status BulkWriter::setMemo(int field, const QString& text)
{
    char* slot = m_row.data() + m_offsets.at(field);
    const int width = m_fields.at(field).width;
    if (text.isEmpty()) {
        std::memset(slot, ' ', width);
        return Status::ok();
    }
    const auto bytes = m_codePage.encode(text);
    if (!bytes || bytes->contains('\x1A'))
        return Status::error(QStringLiteral("Text poznámky nelze do databáze uložit."),
                             QStringLiteral("field %1").arg(m_fields.at(field).name));
    const QByteArray number = QByteArray::number(m_memoNextBlock).rightJustified(width, ' ');
    if (number.size() > width)
        return Status::error(QStringLiteral("Soubor poznámek je plný."), m_path);
    QByteArray memo = *bytes + "\x1A\x1A";
    const qsizetype blocks = (memo.size() + kMemoBlock - 1) / kMemoBlock;
    memo.append(QByteArray(blocks * kMemoBlock - memo.size(), '\0'));
    m_memoBlock += memo;
    m_memoNextBlock += static_cast<quint32>(blocks);
    std::memcpy(slot, number.constData(), width);
    return Status::ok();
}

Status BulkWriter::append()
{
    if (!isOpen())
        return Status::error(QStringLiteral("Tabulka není otevřena."), m_path);
    m_row[0] = ' ';
    const Status s = queue(m_row.constData());
    clearRow();
    return s;
}

Status BulkWriter::appendRaw(const char* record, int length)
{
    if (!isOpen() || length != m_recordLength || m_hasMemo)
        return Status::error(
            QStringLiteral("Záznam nelze zapsat."),
            QStringLiteral("raw record of %1 bytes for %2").arg(length).arg(m_path));
    return queue(record);
}

QList<BulkWriter::FieldCopy> BulkWriter::planCopy(const TableScan& scan, const QStringList& targets,
                                                  const QStringList& sources) const
{
    QList<FieldCopy> plan;
    const bool samePage = scan.codePage().languageDriver() == m_codePage.languageDriver();
    for (qsizetype i = 0; i < targets.size(); ++i) {
        const int target = fieldIndex(targets.at(i));
        const int source = scan.fieldIndex(sources.isEmpty() ? targets.at(i) : sources.value(i));
        if (target < 0 || source < 0)
            continue;
        const FieldDef& from = scan.fields().at(source);
        const FieldDef& to = m_fields.at(target);
        // Text in another code page and memo block numbers of another file
        // have to go through their values.
        const bool sameBytes = from.type == to.type && from.width == to.width &&
                               from.decimals == to.decimals && to.type != 'M' &&
                               (samePage || to.type != 'C');
        plan.append({target, source, sameBytes});
    }
    return plan;
}

Status BulkWriter::copyFields(const TableScan& scan, const QList<FieldCopy>& plan)
{
    if (!isOpen() || !scan.rawRecord())
        return Status::error(QStringLiteral("Záznam nelze zapsat."),
                             QStringLiteral("no source record"));
    for (const FieldCopy& copy : plan) {
        if (copy.sameBytes) {
            std::memcpy(m_row.data() + m_offsets.at(copy.target), scan.rawField(copy.source),
                        m_fields.at(copy.target).width);
            continue;
        }
        const QString value = fieldcodec::toValueText(scan.fields().at(copy.source),
                                                      scan.rawField(copy.source), scan.codePage());
        if (Status s = setField(copy.target, value, cLocale()); !s)
            return s;
    }
    return Status::ok();
}

Status BulkWriter::appendFrom(const TableScan& scan)
{
    if (m_mappedScan != &scan || m_mappedFields != scan.fields().constData()) {
        QStringList names;
        for (const FieldDef& field : m_fields)
            names.append(field.name);
        m_allFields = planCopy(scan, names);
        m_mappedScan = &scan;
        m_mappedFields = scan.fields().constData();
    }
    if (Status s = copyFields(scan, m_allFields); !s) {
        clearRow();
        return s;
    }
    return append();
}

Status BulkWriter::queue(const char* record)
{
    m_block.append(record, m_recordLength);
    ++m_pending;
    return m_block.size() >= kBlockBytes ? flush() : Status::ok();
}

Status BulkWriter::failure(const QString& what)
{
    return Status::error(QStringLiteral("Zápis do tabulky %1 se nezdařil.").arg(fileName(m_path)),
                         what + QStringLiteral(": ") +
                             QString::fromLocal8Bit(std::strerror(errno)));
}

// Memo texts first, then the rows that point to them, then the header count:
// whatever a crash interrupts lies beyond what the header counts.
Status BulkWriter::flush()
{
    if (m_pending == 0)
        return Status::ok();
    if (m_writeFirst && m_writeFirst->isOpen()) {
        if (Status s = m_writeFirst->flush(); !s)
            return s;
    }
    if (Status s = writeMemos(); !s)
        return s;
    const qint64 offset = m_headerLength + static_cast<qint64>(m_flushed) * m_recordLength;
    if (!writeAt(m_fd, m_block.constData(), m_block.size(), offset))
        return failure(QStringLiteral("records"));
    m_flushed += m_pending;
    m_pending = 0;
    m_block.resize(0); // keeps the room for the next block
    return writeCount();
}

Status BulkWriter::writeMemos()
{
    if (m_memoBlock.isEmpty())
        return Status::ok();
    const qint64 offset = static_cast<qint64>(m_memoFlushedBlock) * kMemoBlock;
    char next[4];
    putLe32(next, m_memoNextBlock);
    if (!writeAt(m_memoFd, m_memoBlock.constData(), m_memoBlock.size(), offset) ||
        !writeAt(m_memoFd, next, 4, 0))
        return failure(QStringLiteral("memo"));
    m_memoFlushedBlock = m_memoNextBlock;
    m_memoBlock.resize(0);
    return Status::ok();
}

// Bytes 1-3 hold the date of the last change (year since 1900), 4-7 the count.
Status BulkWriter::writeCount()
{
    const QDate today = QDate::currentDate();
    char head[7];
    head[0] = static_cast<char>(today.year() - 1900);
    head[1] = static_cast<char>(today.month());
    head[2] = static_cast<char>(today.day());
    putLe32(head + 3, static_cast<quint32>(m_flushed));
    if (!writeAt(m_fd, head, sizeof head, 1))
        return failure(QStringLiteral("header"));
    return Status::ok();
}

Status BulkWriter::finish()
{
    if (!isOpen())
        return Status::ok();
    Status s = flush();
    if (s) {
        // The end mark after the last record; a tail left by an earlier crash goes.
        const qint64 end = m_headerLength + static_cast<qint64>(m_flushed) * m_recordLength;
        if (!writeAt(m_fd, "\x1A", 1, end) || ::ftruncate(m_fd, end + 1) != 0 ||
            ::fdatasync(m_fd) != 0 || (m_memoFd >= 0 && ::fdatasync(m_memoFd) != 0))
            s = failure(QStringLiteral("end"));
    }
    if (s && m_layout.hasIndexFile()) {
        const QFileInfo info(m_path);
        s = indexfile::write(
            tablefiles::indexPath(info.path() + QLatin1Char('/'), info.completeBaseName()),
            m_layout);
    }
    closeFile();
    return s;
}

void BulkWriter::closeFile()
{
    if (m_fd >= 0)
        ::close(m_fd);
    if (m_memoFd >= 0)
        ::close(m_memoFd);
    m_fd = m_memoFd = -1;
    m_block.clear();
    m_memoBlock.clear();
    m_pending = 0;
    m_mappedScan = nullptr;
    m_mappedFields = nullptr;
    m_allFields.clear();
    m_writeFirst = nullptr;
}
