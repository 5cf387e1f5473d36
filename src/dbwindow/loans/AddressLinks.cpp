#include "AddressLinks.h"

#include "DbfFile.h"
#include "ProgramFolder.h"

#include <QFileInfo>

#include <cstring>

namespace {

constexpr int kStep = 5;
// Each book owns a fixed range of positions, so a missing first book does not
// shift the second.
constexpr int kFirstBookStart = 20;
constexpr int kSecondBookStart = 60;
constexpr int kBookSteps = 8;

// A field equals a value when it starts with the value's bytes and holds only
// blanks after them.
bool fieldEquals(const char* raw, int width, const QByteArray& value)
{
    if (value.size() > width || std::memcmp(raw, value.constData(), value.size()) != 0)
        return false;
    for (int i = int(value.size()); i < width; ++i) {
        if (raw[i] != ' ' && raw[i] != '\0')
            return false;
    }
    return true;
}

struct Field
{
    int offset = -1;
    int width = 0;
};

struct EncodedPerson
{
    QByteArray prijmeni;
    QByteArray jmeno;
    QByteArray ulice;
    char mark;
};

class Book final
{
public:
    Book(const QString& path, const QString& markField) : m_path(path), m_markField(markField) {}

    QString name() const { return QFileInfo(m_path).fileName(); }

    Status read()
    {
        if (!m_file.open(m_path, false))
            return failure(QStringLiteral("soubor nelze přečíst"));
        const QStringList names = {QStringLiteral("PRIJMENI"), QStringLiteral("JMENO"),
                                   QStringLiteral("ULICE1"), m_markField};
        for (int n = 0; n < names.size(); ++n) {
            for (int i = 0; i < m_file.fields().size(); ++i) {
                if (m_file.fields().at(i).name.compare(names.at(n), Qt::CaseInsensitive) == 0)
                    m_fields[n] = {m_file.fieldOffsets().at(i), m_file.fields().at(i).width};
            }
            if (m_fields[n].offset < 0)
                return failure(QStringLiteral("chybí v něm pole %1").arg(names.at(n)));
        }
        m_records.resize(qsizetype(m_file.recordCount()) * m_file.recordLength());
        if (!m_file.readAllRecords(m_records.data(), m_records.size()))
            return failure(QStringLiteral("soubor nelze přečíst"));
        return Status::ok();
    }

    // The records whose mark must change, with their new record bytes.
    QList<QPair<int, QByteArray>> changes(const QList<AddressLinks::Change>& wanted) const
    {
        QList<EncodedPerson> people;
        for (const AddressLinks::Change& change : wanted) {
            const auto prijmeni = m_file.codePage().encode(change.osoba.prijmeni);
            const auto jmeno = m_file.codePage().encode(change.osoba.jmeno);
            const auto ulice = m_file.codePage().encode(change.osoba.ulice);
            // A name this book cannot spell is nobody in it.
            if (prijmeni && jmeno && ulice)
                people.append({*prijmeni, *jmeno, *ulice, change.value ? 'T' : 'F'});
        }
        QList<QPair<int, QByteArray>> result;
        const int length = m_file.recordLength();
        for (int r = 0; r < m_file.recordCount(); ++r) {
            const char* raw = m_records.constData() + qsizetype(r) * length;
            if (raw[0] == '*')
                continue;
            for (const EncodedPerson& person : people) {
                if (!matches(raw, person))
                    continue;
                const int mark = m_fields[3].offset;
                if (raw[mark] != person.mark) {
                    QByteArray record(raw, length);
                    record[mark] = person.mark;
                    result.append({r, record});
                }
                break;
            }
        }
        return result;
    }

    Status write(const QList<QPair<int, QByteArray>>& records)
    {
        if (records.isEmpty())
            return Status::ok();
        m_file.close();
        if (!QFileInfo(m_path).isWritable() || !m_file.open(m_path, true))
            return failure(QStringLiteral("soubor nelze zapsat (je jen pro čtení nebo "
                                          "ho používá jiný program)"));
        // A sibling may have changed the record since it was read: only the
        // mark goes onto what the file holds now, and only while the record
        // is still that person's.
        const int mark = m_fields[3].offset;
        for (const auto& [index, record] : records) {
            QByteArray now = m_file.readRecord(index);
            if (now.size() != record.size() || now.at(0) == '*' || !samePerson(now, record))
                continue;
            now[mark] = record.at(mark);
            if (!m_file.writeRecord(index, now))
                return failure(QStringLiteral("zápis se nezdařil"));
        }
        return Status::ok();
    }

    void close() { m_file.close(); }

private:
    bool samePerson(const QByteArray& a, const QByteArray& b) const
    {
        for (int n = 0; n < 3; ++n) {
            const Field& field = m_fields[n];
            if (a.mid(field.offset, field.width) != b.mid(field.offset, field.width))
                return false;
        }
        return true;
    }

    bool matches(const char* raw, const EncodedPerson& person) const
    {
        return fieldEquals(raw + m_fields[0].offset, m_fields[0].width, person.prijmeni) &&
               fieldEquals(raw + m_fields[1].offset, m_fields[1].width, person.jmeno) &&
               fieldEquals(raw + m_fields[2].offset, m_fields[2].width, person.ulice);
    }

    Status failure(const QString& why) const
    {
        return Status::error(QStringLiteral("Adresář %1 nebyl s výpůjčkami propojen: %2. "
                                            "Výpůjčka sama je zaznamenána.")
                                 .arg(name(), why),
                             m_path);
    }

    QString m_path;
    QString m_markField;
    DbfFile m_file;
    Field m_fields[4];
    QByteArray m_records;
};

} // namespace

Status AddressLinks::Result::status() const
{
    if (errors.isEmpty())
        return Status::ok();
    return Status::error(errors.join(QLatin1Char('\n')));
}

AddressLinks::AddressLinks(QString dataFolder, int slot)
    : m_dataFolder(std::move(dataFolder)), m_slot(slot)
{
}

QString AddressLinks::markField(int slot)
{
    return QStringLiteral("A%1").arg(slot);
}

const QStringList& AddressLinks::bookNames()
{
    static const QStringList names = {QStringLiteral("Adresar1.dbf"),
                                      QStringLiteral("Adresar2.dbf")};
    return names;
}

AddressLinks::Result AddressLinks::update(const QList<Change>& changes,
                                          const Progress& progress) const
{
    const auto report = [&progress](int position) {
        if (progress)
            progress(position);
    };
    Result result;
    report(kStep);
    QStringList paths;
    for (int b = 0; b < bookNames().size(); ++b) {
        paths.append(ProgramFolder::findFile(m_dataFolder, bookNames().at(b)));
        report(2 * kStep + b * kStep);
    }
    QList<Change> named;
    for (const Change& change : changes) {
        if (change.osoba.hasSurname())
            named.append(change);
    }
    for (int b = 0; b < paths.size() && !named.isEmpty(); ++b) {
        if (!QFileInfo::exists(paths.at(b)))
            continue;
        const int start = b == 0 ? kFirstBookStart : kSecondBookStart;
        int step = 0;
        const auto next = [&] { report(start + kStep * step++); };
        Book book(paths.at(b), markField(m_slot));
        next();
        Status s = book.read();
        next();
        if (s) {
            next();
            next();
            const auto records = book.changes(named);
            next();
            s = book.write(records);
            if (s)
                result.changedRecords += int(records.size());
        }
        book.close();
        while (step < kBookSteps)
            next();
        if (!s)
            result.errors.append(s.message());
    }
    report(100);
    return result;
}
