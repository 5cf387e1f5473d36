#include "DbfFile.h"

#include <QDate>
#include <QFile>
#include <QFileInfo>

#include <shapefil.h>

#include <cstring>

namespace {

// shapelib reports problems through a hook without a context pointer; the file
// that is working collects them here.
thread_local QStringList* t_errorSink = nullptr;

void collectError(const char* message)
{
    if (t_errorSink)
        t_errorSink->append(QString::fromLocal8Bit(message).trimmed());
}

SAHooks hooks()
{
    SAHooks h;
    SASetupDefaultHooks(&h);
    h.Error = collectError;
    return h;
}

class ErrorScope final
{
public:
    explicit ErrorScope(QStringList* sink) : m_previous(t_errorSink) { t_errorSink = sink; }
    ~ErrorScope() { t_errorSink = m_previous; }

private:
    QStringList* m_previous;
};

DBFHandle dbf(void* handle)
{
    return static_cast<DBFHandle>(handle);
}

QString fileName(const QString& path)
{
    return QFileInfo(path).fileName();
}

void stampToday(DBFHandle handle)
{
    const QDate today = QDate::currentDate();
    DBFSetLastModifiedDate(handle, today.year() - 1900, today.month(), today.day());
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
    ErrorScope scope(&errors);
    SAHooks h = hooks();
    const QByteArray codePage = "LDID/" + QByteArray::number(languageDriver);
    DBFHandle handle = DBFCreateLL(QFile::encodeName(path).constData(), codePage.constData(), &h);
    if (!handle)
        return Status::error(QStringLiteral("Tabulku %1 nelze vytvořit.").arg(fileName(path)),
                             errors.join(QLatin1Char(' ')));
    for (const FieldDef& field : layout.fields) {
        const QByteArray name = field.name.toLatin1();
        if (DBFAddNativeFieldType(handle, name.constData(), field.type, field.width,
                                  field.decimals) < 0) {
            DBFClose(handle);
            QFile::remove(path);
            return Status::error(
                QStringLiteral("Tabulku %1 nelze vytvořit.").arg(fileName(path)),
                QStringLiteral("field %1 refused: %2").arg(field.name, errors.join(' ')));
        }
    }
    stampToday(handle);
    DBFClose(handle);
    return Status::ok();
}

Status DbfFile::open(const QString& path, bool writable)
{
    close();
    m_warnings.clear();
    ErrorScope scope(&m_warnings);
    SAHooks h = hooks();
    DBFHandle handle =
        DBFOpenLL(QFile::encodeName(path).constData(), writable ? "rb+" : "rb", &h);
    if (!handle) {
        const QString detail = m_warnings.join(QLatin1Char(' '));
        m_warnings.clear();
        if (!QFileInfo::exists(path))
            return Status::error(QStringLiteral("Tabulka %1 neexistuje.").arg(fileName(path)),
                                 path);
        return Status::error(
            QStringLiteral("Soubor %1 nelze otevřít: není to čitelná tabulka dBase.")
                .arg(fileName(path)),
            detail.isEmpty() ? path : detail);
    }
    m_handle = handle;
    m_path = path;
    m_writable = writable;
    m_recordLength = handle->nRecordLength;
    m_recordCount = handle->nRecords;
    m_codePage = CodePage::forLanguageDriver(static_cast<quint8>(handle->iLanguageDriver));
    m_offsets.clear();
    m_fields.clear();
    for (int i = 0; i < handle->nFields; ++i) {
        char name[XBASE_FLDNAME_LEN_READ + 1] = {};
        int width = 0;
        int decimals = 0;
        DBFGetFieldInfo(handle, i, name, &width, &decimals);
        m_fields.append({QString::fromLatin1(name), DBFGetNativeFieldType(handle, i), width,
                         decimals});
        m_offsets.append(handle->panFieldOffset[i]);
    }
    checkSize();
    if (!m_codePage.isKnown())
        m_warnings.append(QStringLiteral("Tabulka %1 udává neznámou kódovou stránku (%2); "
                                         "texty se čtou jako Windows-1250.")
                              .arg(fileName(path))
                              .arg(m_codePage.languageDriver()));
    return Status::ok();
}

// The header may claim more records than the file holds (a copy cut short, a
// program that crashed while appending). Only whole records count; the first
// write then continues right after them.
void DbfFile::checkSize()
{
    const qint64 size = QFileInfo(m_path).size();
    const qint64 dataBytes = size - dbf(m_handle)->nHeaderLength;
    const qint64 whole = m_recordLength > 0 && dataBytes > 0 ? dataBytes / m_recordLength : 0;
    if (whole >= m_recordCount)
        return;
    m_warnings.append(QStringLiteral("Tabulka %1 je poškozená: hlavička udává %2 záznamů, "
                                     "celých je jen %3. Zbylé záznamy nelze přečíst.")
                          .arg(fileName(m_path))
                          .arg(m_recordCount)
                          .arg(whole));
    m_recordCount = static_cast<int>(whole);
    dbf(m_handle)->nRecords = m_recordCount;
    m_damaged = true;
}

void DbfFile::close()
{
    if (!m_handle)
        return;
    ErrorScope scope(&m_warnings);
    DBFClose(dbf(m_handle));
    m_handle = nullptr;
    m_damaged = false;
}

QByteArray DbfFile::readRecord(int index)
{
    if (!m_handle || index < 0 || index >= m_recordCount)
        return {};
    ErrorScope scope(&m_warnings);
    const char* raw = DBFReadTuple(dbf(m_handle), index);
    if (!raw)
        return {};
    return QByteArray(raw, m_recordLength);
}

// shapelib reads record by record with a seek each; one read of the whole data
// area takes about a quarter less time on a large table.
Status DbfFile::readAllRecords(char* records, qint64 bytes)
{
    QFile file(m_path);
    if (bytes != static_cast<qint64>(m_recordCount) * m_recordLength || !file.open(QIODevice::ReadOnly) ||
        !file.seek(dbf(m_handle)->nHeaderLength) || file.read(records, bytes) != bytes)
        return Status::error(QStringLiteral("Tabulku %1 nelze přečíst.").arg(fileName(m_path)),
                             file.errorString());
    return Status::ok();
}

// Before the first write into a damaged file, the file as it was is kept aside,
// so that whatever the cut records held can still be rescued.
Status DbfFile::prepareFirstWrite()
{
    if (!m_writable)
        return Status::error(
            QStringLiteral("Tabulka %1 je otevřena jen pro čtení.").arg(fileName(m_path)));
    if (!m_damaged)
        return Status::ok();
    const QString copy = m_path + QStringLiteral(".poskozeno");
    if (!QFileInfo::exists(copy) && !QFile::copy(m_path, copy))
        return Status::error(QStringLiteral("Poškozenou tabulku %1 nelze zálohovat, "
                                            "proto do ní nelze zapisovat.")
                                 .arg(fileName(m_path)),
                             copy);
    m_damaged = false;
    return Status::ok();
}

Status DbfFile::writeRecord(int index, const QByteArray& record)
{
    if (!m_handle || index < 0 || index > m_recordCount || record.size() != m_recordLength)
        return Status::error(QStringLiteral("Záznam nelze zapsat."),
                             QStringLiteral("bad record %1 of %2").arg(index).arg(m_path));
    if (Status s = prepareFirstWrite(); !s)
        return s;
    ErrorScope scope(&m_warnings);
    QByteArray copy = record;
    if (!DBFWriteTuple(dbf(m_handle), index, copy.data()))
        return Status::error(
            QStringLiteral("Záznam nelze zapsat do tabulky %1.").arg(fileName(m_path)));
    if (index == m_recordCount)
        ++m_recordCount;
    return commit("write");
}

Status DbfFile::markDeleted(int index)
{
    if (!m_handle || index < 0 || index >= m_recordCount)
        return Status::error(QStringLiteral("Záznam nelze odstranit."));
    if (Status s = prepareFirstWrite(); !s)
        return s;
    ErrorScope scope(&m_warnings);
    if (!DBFMarkRecordDeleted(dbf(m_handle), index, 1))
        return Status::error(
            QStringLiteral("Záznam nelze odstranit z tabulky %1.").arg(fileName(m_path)));
    return commit("delete");
}

// Writes the pending record, then the header with the new count, and hands
// both to the system before returning.
Status DbfFile::commit(const char* what)
{
    DBFHandle handle = dbf(m_handle);
    const qsizetype before = m_warnings.size();
    stampToday(handle);
    DBFUpdateHeader(handle);
    if (handle->sHooks.FFlush(handle->fp) != 0 || m_warnings.size() != before)
        return Status::error(
            QStringLiteral("Zápis do tabulky %1 se nezdařil.").arg(fileName(m_path)),
            QStringLiteral("%1: %2").arg(QLatin1String(what), m_warnings.mid(before).join(' ')));
    return Status::ok();
}

QByteArray DbfFile::blankRecord() const
{
    return QByteArray(m_recordLength, ' ');
}
