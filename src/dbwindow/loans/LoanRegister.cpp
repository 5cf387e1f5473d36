#include "LoanRegister.h"

#include "DbfFile.h"
#include "FieldCodec.h"
#include "ProgramFolder.h"
#include "TableFiles.h"
#include "TableLayout.h"

#include <QFileInfo>

namespace {

const QString kRegister = QStringLiteral("Pujcovna");

// The records of the register as one read, with field access by name.
class RegisterFile final
{
public:
    Status open(const QString& path, bool writable)
    {
        if (Status s = m_file.open(path, writable); !s)
            return s;
        for (int i = 0; i < m_file.fields().size(); ++i) {
            if (layouts::loanRegister().fieldIndex(m_file.fields().at(i).name) < 0)
                continue;
            m_byName.insert(m_file.fields().at(i).name.toUpper(), i);
        }
        for (const FieldDef& field : layouts::loanRegister().fields) {
            if (!m_byName.contains(field.name))
                return Status::error(QStringLiteral("Výpůjční databáze %1 nemá pole %2.")
                                         .arg(QFileInfo(path).fileName(), field.name),
                                     path);
        }
        m_records.resize(qsizetype(m_file.recordCount()) * m_file.recordLength());
        return m_file.readAllRecords(m_records.data(), m_records.size());
    }

    int count() const { return m_file.recordCount(); }
    const char* record(int index) const
    {
        return m_records.constData() + qsizetype(index) * m_file.recordLength();
    }
    bool deleted(int index) const { return record(index)[0] == '*'; }

    QString text(int index, const QString& name) const
    {
        const int field = m_byName.value(name);
        return fieldcodec::toText(m_file.fields().at(field),
                                  record(index) + m_file.fieldOffsets().at(field),
                                  m_file.codePage(), QLocale::c());
    }

    // The first live record of the carrier, -1 when it has none.
    int indexOf(const QString& program, const QString& id) const
    {
        for (int i = 0; i < count(); ++i) {
            if (!deleted(i) && text(i, QStringLiteral("PROGRAM")) == program &&
                text(i, QStringLiteral("ID")) == id)
                return i;
        }
        return -1;
    }

    TVypujcka loan(int index) const
    {
        TVypujcka loan;
        loan.jmeno = text(index, QStringLiteral("JMENO"));
        loan.prijmeni = text(index, QStringLiteral("PRIJMENI"));
        loan.ulice = text(index, QStringLiteral("ULICE"));
        loan.cislo = text(index, QStringLiteral("CISLO"));
        loan.obec = text(index, QStringLiteral("OBEC"));
        loan.psc = text(index, QStringLiteral("PSC"));
        loan.telefon = text(index, QStringLiteral("TELEFON"));
        const int date = m_byName.value(QStringLiteral("DATUM"));
        loan.datum = QDate::fromString(
            fieldcodec::canonicalDate(record(index) + m_file.fieldOffsets().at(date)),
            QStringLiteral("yyyyMMdd"));
        loan.id = text(index, QStringLiteral("ID"));
        loan.program = text(index, QStringLiteral("PROGRAM"));
        return loan;
    }

    Status encode(const TVypujcka& loan, QByteArray* record) const
    {
        const QList<QPair<const char*, QString>> values = {
            {"JMENO", loan.jmeno},
            {"PRIJMENI", loan.prijmeni},
            {"ULICE", loan.ulice},
            {"CISLO", loan.cislo},
            {"OBEC", loan.obec},
            {"PSC", loan.psc},
            {"TELEFON", loan.telefon},
            {"DATUM", loan.datum.isValid() ? loan.datum.toString(Qt::ISODate) : QString()},
            {"ID", loan.id},
            {"PROGRAM", loan.program},
        };
        for (const auto& [name, value] : values) {
            const int field = m_byName.value(QString::fromLatin1(name));
            QByteArray bytes;
            Status s = fieldcodec::fromText(m_file.fields().at(field), value, m_file.codePage(),
                                            QLocale::c(), &bytes);
            if (!s)
                return s;
            record->replace(m_file.fieldOffsets().at(field), bytes.size(), bytes);
        }
        return Status::ok();
    }

    DbfFile& file() { return m_file; }

private:
    DbfFile m_file;
    QHash<QString, int> m_byName;
    QByteArray m_records;
};

} // namespace

LoanRegister::LoanRegister(QString dataFolder) : m_dataFolder(std::move(dataFolder)) {}

QString LoanRegister::path() const
{
    return tablefiles::dbfPath(m_dataFolder, kRegister);
}

bool LoanRegister::exists() const
{
    return QFileInfo::exists(path());
}

CodePage LoanRegister::codePage() const
{
    DbfFile file;
    if (exists() && file.open(path(), false))
        return file.codePage();
    return CodePage::forLanguageDriver(CodePage::kWindows1250);
}

std::optional<TVypujcka> LoanRegister::find(const QString& program, const QString& id,
                                            Status* error) const
{
    if (!exists())
        return std::nullopt;
    RegisterFile file;
    if (Status s = file.open(path(), false); !s) {
        if (error)
            *error = s;
        return std::nullopt;
    }
    const int index = file.indexOf(program, id);
    if (index < 0)
        return std::nullopt;
    return file.loan(index);
}

bool LoanRegister::namesPerson(const QString& program, const Osoba& person, Status* error) const
{
    if (!exists())
        return false;
    RegisterFile file;
    if (Status s = file.open(path(), false); !s) {
        if (error)
            *error = s;
        // Unknown is taken as yes: a mark left set is better than one cleared wrongly.
        return true;
    }
    for (int i = 0; i < file.count(); ++i) {
        if (!file.deleted(i) && file.text(i, QStringLiteral("PROGRAM")) == program &&
            file.loan(i).osoba() == person)
            return true;
    }
    return false;
}

Status LoanRegister::store(const TVypujcka& loan)
{
    if (!exists()) {
        const QString indexExtension = QStringLiteral(".MDX");
        if (Status s =
                tablefiles::create(m_dataFolder, layouts::loanRegister(), {}, indexExtension);
            !s)
            return s;
    }
    RegisterFile file;
    if (Status s = file.open(path(), true); !s)
        return s;
    int index = file.indexOf(loan.program, loan.id);
    QByteArray record;
    if (index >= 0) {
        record = QByteArray(file.record(index), file.file().recordLength());
    } else {
        index = file.count();
        record = file.file().blankRecord();
    }
    if (Status s = file.encode(loan, &record); !s)
        return s;
    return file.file().writeRecord(index, record);
}

Status LoanRegister::remove(const QString& program, const QString& id)
{
    if (!exists())
        return Status::ok();
    RegisterFile file;
    if (Status s = file.open(path(), true); !s)
        return s;
    const int index = file.indexOf(program, id);
    if (index < 0)
        return Status::ok();
    return file.file().markDeleted(index);
}
