#include "CsvImport.h"

#include "BulkWriter.h"
#include "CarrierTotal.h"
#include "CodePage.h"
#include "CsvText.h"
#include "FieldCodec.h"
#include "TableLayout.h"
#include "TableScan.h"

#include <QFileInfo>
#include <QHash>

#include <cmath>
#include <cstring>

namespace {

const TableLayout& carrierLayout()
{
    static const TableLayout layout = layouts::carrier(QStringLiteral("AudioS"));
    return layout;
}

int fieldOf(const char* name)
{
    return carrierLayout().fieldIndex(QString::fromLatin1(name));
}

const int kNumber = fieldOf("CISLO");
const int kKind = fieldOf("DRUH");
const int kGenre = fieldOf("ZANR");
const int kTotal = fieldOf("CELKEM");
const int kUpdated = fieldOf("DATUM");
const int kLoanMark = fieldOf("PUJCENO");
const int kFirstTrack = fieldOf("C1");

const CodePage& windows1250()
{
    static const CodePage page = CodePage::forLanguageDriver(CodePage::kWindows1250);
    return page;
}

// Where each field starts in a record, after the deletion mark.
const QList<int>& fieldOffsets()
{
    static const QList<int> offsets = [] {
        QList<int> list;
        int offset = 1;
        for (const FieldDef& field : carrierLayout().fields) {
            list.append(offset);
            offset += field.width;
        }
        list.append(offset);
        return list;
    }();
    return offsets;
}

int recordLength()
{
    return fieldOffsets().last();
}

// The field's bytes in the record; false when the value does not fit.
bool encode(int field, const QString& value, char* record)
{
    QByteArray bytes;
    if (!fieldcodec::fromText(carrierLayout().fields.at(field), value, windows1250(), QLocale::c(),
                              &bytes))
        return false;
    std::memcpy(record + fieldOffsets().at(field), bytes.constData(), bytes.size());
    return true;
}

// The record editor's labels, which a user's own spreadsheet may head its columns with.
const QHash<QString, QString>& editorLabels()
{
    static const QHash<QString, QString> labels{
        {QStringLiteral("evidenční číslo"), QStringLiteral("CISLO")},
        {QStringLiteral("druh nosiče"), QStringLiteral("DRUH")},
        {QStringLiteral("délka nosiče"), QStringLiteral("DELKA")},
        {QStringLiteral("název"), QStringLiteral("NAZEV")},
        {QStringLiteral("interpret"), QStringLiteral("INTERPRET")},
        {QStringLiteral("celková délka"), QStringLiteral("CELKEM")},
        {QStringLiteral("žánr"), QStringLiteral("ZANR")},
        {QStringLiteral("poznámka"), QStringLiteral("POZNAMKA")},
        {QStringLiteral("datum pořízení"), QStringLiteral("DATUM1")},
        {QStringLiteral("datum poslední aktualizace"), QStringLiteral("DATUM")},
    };
    return labels;
}

// The field a column heading names: a field name, or an editor label with or
// without its colon.
int fieldOfHeading(const QString& heading)
{
    QString name = heading.trimmed();
    while (name.endsWith(QLatin1Char(':')))
        name = name.chopped(1).trimmed();
    const auto label = editorLabels().constFind(name.toLower());
    return carrierLayout().fieldIndex(label != editorLabels().constEnd() ? *label : name);
}

// How a message names a field: by the label the user knows, else by its name.
QString labelOf(int field)
{
    const QString name = carrierLayout().fields.at(field).name;
    for (auto it = editorLabels().cbegin(); it != editorLabels().cend(); ++it) {
        if (it.value() == name) {
            QString label = it.key();
            label[0] = label.at(0).toUpper();
            return label;
        }
    }
    return name;
}

QString numberKey(const QString& canonical)
{
    const auto parsed = fieldcodec::parseDecimal(canonical, QLatin1Char('.'));
    return parsed ? parsed->canonical() : canonical;
}

// Czech writing often puts a space after each dot ("1. 2. 2003").
QDate parseDate(const QString& text)
{
    QDate date = QDate::fromString(text, QStringLiteral("yyyy-MM-dd"));
    if (!date.isValid())
        date =
            QDate::fromString(QString(text).remove(QLatin1Char(' ')), QStringLiteral("d.M.yyyy"));
    return date;
}

} // namespace

CsvImport::CsvImport(QString tablePath, QDate today) : m_path(std::move(tablePath)), m_today(today)
{
}

Status CsvImport::read(const QByteArray& bytes)
{
    m_records.clear();
    m_rowLines.clear();
    m_badRows.clear();
    m_ignored.clear();
    m_withoutNumber.clear();
    const csvtext::Decoded decoded = csvtext::decode(bytes);
    m_windows1250 = decoded.windows1250;
    csvtext::Reader reader(decoded.text, csvtext::detectSeparator(decoded.text));
    csvtext::Record record;
    if (!reader.next(&record))
        return reader.status() ? Status::error(QStringLiteral("Soubor CSV je prázdný."))
                               : reader.status();
    if (Status s = mapHeader(record.values); !s)
        return s;
    if (Status s = readTable(); !s)
        return s;
    // Rows are checked as they are read: only their record bytes stay.
    while (reader.next(&record))
        checkRow(record.line, record.values);
    if (!reader.status())
        return reader.status();
    if (m_records.isEmpty())
        return Status::error(QStringLiteral("V souboru CSV nejsou žádné nosiče, jen záhlaví."));
    if (!m_badRows.isEmpty())
        return badRowsMessage();
    numberMissing();
    return badRowsMessage();
}

Status CsvImport::mapHeader(const QStringList& header)
{
    m_columnField.clear();
    QList<bool> taken(carrierLayout().fields.size(), false);
    bool any = false;
    for (const QString& heading : header) {
        const int field = fieldOfHeading(heading);
        if (field >= 0 && taken.at(field))
            return Status::error(QStringLiteral("Pole %1 má v záhlaví souboru CSV dva sloupce.")
                                     .arg(labelOf(field)));
        if (field >= 0)
            taken[field] = true;
        else
            m_ignored.append(heading);
        any = any || field >= 0;
        m_columnField.append(field);
    }
    if (!any)
        return Status::error(QStringLiteral("První řádek souboru CSV nemá záhlaví s názvy polí "
                                            "(například CISLO, DRUH, NAZEV)."));
    return Status::ok();
}

// The rows are written as records of the carrier layout: a table laid out
// otherwise (written by another program, notes kept as memos) takes none.
Status CsvImport::readTable()
{
    m_numberLine.clear();
    m_highestNumber = 0;
    TableScan scan(m_path);
    if (!scan.status())
        return scan.status();
    if (scan.fields() != carrierLayout().fields ||
        scan.codePage().languageDriver() != CodePage::kWindows1250)
        return Status::error(
            QStringLiteral("Tabulka %1 nemá rozvržení databáze nosičů, import do ní nelze.")
                .arg(QFileInfo(m_path).fileName()));
    while (scan.next()) {
        const QString number = scan.fieldValueText(QStringLiteral("CISLO"));
        if (number.isEmpty())
            continue;
        m_numberLine.insert(numberKey(number), 0);
        m_highestNumber = std::max(m_highestNumber, number.toDouble());
    }
    return Status::ok();
}

void CsvImport::checkRow(int line, const QStringList& values)
{
    const QList<FieldDef>& fields = carrierLayout().fields;
    QByteArray record(recordLength(), ' ');
    QStringList stored(fields.size());
    QStringList reasons;
    if (values.size() > m_columnField.size())
        // The counts stand in brackets: Czech nouns after a number change
        // their ending with it ("2 hodnoty", "5 hodnot").
        reasons.append(QStringLiteral("má víc hodnot (%1) než záhlaví sloupců (%2)")
                           .arg(values.size())
                           .arg(m_columnField.size()));
    for (qsizetype c = 0; c < values.size() && c < m_columnField.size(); ++c) {
        const int field = m_columnField.at(c);
        // The loan mark needs a card in the loan register, and the total is
        // the sum of the tracks: neither is taken from the file.
        if (field < 0 || field == kLoanMark || field == kTotal || values.at(c).isEmpty())
            continue;
        QString reason = checkValue(field, values.at(c), &stored[field], record.data());
        if (!reason.isEmpty())
            reasons.append(reason);
    }
    if (!layouts::carrierKinds().contains(stored.at(kKind)))
        reasons.append(
            stored.at(kKind).isEmpty()
                ? QStringLiteral("chybí druh nosiče")
                : QStringLiteral("druh nosiče „%1“ není žádný z pěti druhů").arg(stored.at(kKind)));
    if (!stored.at(kGenre).isEmpty() && !layouts::genres().contains(stored.at(kGenre)))
        reasons.append(QStringLiteral("žánr „%1“ není v seznamu 29 žánrů").arg(stored.at(kGenre)));
    if (reasons.isEmpty()) {
        if (QString reason = checkTotal(stored, record.data()); !reason.isEmpty())
            reasons.append(reason);
    }
    if (stored.at(kUpdated).isEmpty())
        encode(kUpdated, m_today.toString(QStringLiteral("yyyy-MM-dd")), record.data());
    if (reasons.isEmpty())
        checkNumber(line, stored.at(kNumber));
    else
        m_badRows.append({line, reasons.join(QStringLiteral("; "))});
    m_rowLines.append(line);
    m_records.append(record);
}

QString CsvImport::checkValue(int field, const QString& value, QString* stored, char* record) const
{
    const FieldDef& def = carrierLayout().fields.at(field);
    const QString trimmed = value.trimmed();
    if (def.type == 'N') {
        if (trimmed.isEmpty())
            return {};
        const auto parsed = fieldcodec::parseDecimal(trimmed, QLatin1Char(','));
        if (!parsed)
            return QStringLiteral("%1: „%2“ není číslo").arg(labelOf(field), trimmed);
        *stored = parsed->canonical();
    } else if (def.type == 'D') {
        if (trimmed.isEmpty())
            return {};
        const QDate date = parseDate(trimmed);
        if (!date.isValid())
            return QStringLiteral("%1: „%2“ není datum (d.m.rrrr nebo rrrr-mm-dd)")
                .arg(labelOf(field), trimmed);
        *stored = date.toString(QStringLiteral("yyyy-MM-dd"));
    } else {
        if (const auto bad = windows1250().firstUnencodable(value))
            return QStringLiteral("%1: znak „%2“ nelze do databáze uložit (Windows-1250)")
                .arg(labelOf(field), *bad);
        *stored = value;
    }
    if (encode(field, *stored, record))
        return {};
    return def.type == 'C'
               ? QStringLiteral("%1: text je delší než %2 znaků").arg(labelOf(field)).arg(def.width)
               : QStringLiteral("%1: hodnota %2 se do pole nevejde").arg(labelOf(field), trimmed);
}

// The total as saving computes it from the tracks.
QString CsvImport::checkTotal(const QStringList& stored, char* record) const
{
    const auto total =
        CarrierTotal::compute(stored.at(kKind), stored.mid(kFirstTrack, 30), QLocale::c());
    if (!total.status)
        return total.status.message();
    if (!encode(kTotal, total.text, record))
        return QStringLiteral("%1: součet %2 se do pole nevejde").arg(labelOf(kTotal), total.text);
    return {};
}

// Two carriers of one number would confuse the loans, the search by number and
// the report of one carrier, whether the other one is in the table or in the file.
void CsvImport::checkNumber(int line, const QString& number)
{
    if (number.isEmpty()) {
        m_withoutNumber.append(static_cast<int>(m_records.size()));
        return;
    }
    const QString key = numberKey(number);
    if (const auto other = m_numberLine.constFind(key); other != m_numberLine.constEnd()) {
        m_badRows.append(
            {line, *other == 0
                       ? QStringLiteral("evidenční číslo %1 už v databázi je").arg(key)
                       : QStringLiteral("evidenční číslo %1 už má řádek %2").arg(key).arg(*other)});
        return;
    }
    m_numberLine.insert(key, line);
    m_highestNumber = std::max(m_highestNumber, key.toDouble());
}

// Rows without a number get the next free ones, after every number in use.
void CsvImport::numberMissing()
{
    double next = std::floor(m_highestNumber) + 1;
    for (const int row : std::as_const(m_withoutNumber)) {
        const QString number = QString::number(next, 'f', 0);
        if (!encode(kNumber, number, m_records[row].data()))
            m_badRows.append(
                {m_rowLines.at(row),
                 QStringLiteral("volné evidenční číslo %1 se do pole nevejde").arg(number)});
        next += 1;
    }
}

Status CsvImport::badRowsMessage() const
{
    if (m_badRows.isEmpty())
        return Status::ok();
    QStringList lines{QStringLiteral("Ze souboru CSV nebylo nic načteno: chybné řádky %1 z %2.")
                          .arg(m_badRows.size())
                          .arg(m_records.size())};
    for (qsizetype i = 0; i < m_badRows.size() && i < kListedBadRows; ++i)
        lines.append(
            QStringLiteral("Řádek %1: %2.").arg(m_badRows.at(i).line).arg(m_badRows.at(i).reason));
    if (m_badRows.size() > kListedBadRows)
        lines.append(QStringLiteral("… a dalších %1.").arg(m_badRows.size() - kListedBadRows));
    return Status::error(lines.join(QLatin1Char('\n')));
}

Status CsvImport::write()
{
    if (!m_badRows.isEmpty())
        return badRowsMessage();
    BulkWriter writer;
    if (Status s = writer.openForAppend(m_path); !s)
        return s;
    for (const QByteArray& record : std::as_const(m_records)) {
        if (Status s = writer.appendRaw(record.constData(), static_cast<int>(record.size())); !s)
            return s;
    }
    return writer.finish();
}
