#include "CsvImport.h"

#include "BulkWriter.h"
#include "CarrierTotal.h"
#include "CodePage.h"
#include "CsvText.h"
#include "FieldCodec.h"
#include "TableLayout.h"
#include "TableScan.h"

#include <QHash>

#include <cmath>

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

QDate parseDate(const QString& text)
{
    QDate date = QDate::fromString(text, QStringLiteral("yyyy-MM-dd"));
    if (!date.isValid())
        date = QDate::fromString(text, QStringLiteral("d.M.yyyy"));
    return date;
}

} // namespace

CsvImport::CsvImport(QString tablePath, QDate today) : m_path(std::move(tablePath)), m_today(today)
{
}

Status CsvImport::read(const QByteArray& bytes)
{
    m_rows.clear();
    m_rowLines.clear();
    m_badRows.clear();
    m_ignored.clear();
    m_withoutNumber.clear();
    const csvtext::Decoded decoded = csvtext::decode(bytes);
    m_windows1250 = decoded.windows1250;
    QList<csvtext::Record> records;
    if (Status s = csvtext::parse(decoded.text, csvtext::detectSeparator(decoded.text), &records);
        !s)
        return s;
    if (records.isEmpty())
        return Status::error(QStringLiteral("Soubor CSV je prázdný."));
    if (Status s = mapHeader(records.first().values); !s)
        return s;
    if (records.size() == 1)
        return Status::error(QStringLiteral("V souboru CSV nejsou žádné nosiče, jen záhlaví."));
    if (Status s = readExistingNumbers(); !s)
        return s;
    for (qsizetype i = 1; i < records.size(); ++i) {
        m_rowLines.append(records.at(i).line);
        m_rows.append(checkedRow(records.at(i).line, records.at(i).values));
    }
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

Status CsvImport::readExistingNumbers()
{
    m_numberLine.clear();
    m_highestNumber = 0;
    TableScan scan(m_path);
    if (!scan.status())
        return scan.status();
    while (scan.next()) {
        const QString number = scan.fieldValueText(QStringLiteral("CISLO"));
        if (number.isEmpty())
            continue;
        m_numberLine.insert(numberKey(number), 0);
        m_highestNumber = std::max(m_highestNumber, number.toDouble());
    }
    return Status::ok();
}

QStringList CsvImport::checkedRow(int line, const QStringList& values)
{
    const QList<FieldDef>& fields = carrierLayout().fields;
    QStringList stored(fields.size());
    QStringList reasons;
    if (values.size() > m_columnField.size())
        reasons.append(QStringLiteral("má %1 hodnot, záhlaví jen %2 sloupců")
                           .arg(values.size())
                           .arg(m_columnField.size()));
    for (qsizetype c = 0; c < values.size() && c < m_columnField.size(); ++c) {
        const int field = m_columnField.at(c);
        // The loan mark needs a card in the loan register, and the total is
        // the sum of the tracks: neither is taken from the file.
        if (field < 0 || field == kLoanMark || field == kTotal)
            continue;
        if (QString reason = checkValue(field, values.at(c), &stored[field]); !reason.isEmpty())
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
        const auto total =
            CarrierTotal::compute(stored.at(kKind), stored.mid(kFirstTrack, 30), QLocale::c());
        if (!total.status)
            reasons.append(total.status.message());
        stored[kTotal] = total.text;
    }
    if (stored.at(kUpdated).isEmpty())
        stored[kUpdated] = m_today.toString(QStringLiteral("yyyy-MM-dd"));
    if (reasons.isEmpty())
        checkNumber(line, &stored[kNumber]);
    else
        m_badRows.append({line, reasons.join(QStringLiteral("; "))});
    return stored;
}

QString CsvImport::checkValue(int field, const QString& value, QString* stored) const
{
    const FieldDef& def = carrierLayout().fields.at(field);
    static const CodePage page = CodePage::forLanguageDriver(CodePage::kWindows1250);
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
        if (const auto bad = page.firstUnencodable(value))
            return QStringLiteral("%1: znak „%2“ nelze do databáze uložit (Windows-1250)")
                .arg(labelOf(field), *bad);
        *stored = value;
    }
    QByteArray bytes;
    if (!fieldcodec::fromText(def, *stored, page, QLocale::c(), &bytes)) {
        return def.type == 'C' ? QStringLiteral("%1: text je delší než %2 znaků")
                                     .arg(labelOf(field))
                                     .arg(def.width)
                               : QStringLiteral("%1: hodnota %2 se do pole nevejde")
                                     .arg(labelOf(field), trimmed);
    }
    return {};
}

// Two carriers of one number would confuse the loans, the search by number and
// the report of one carrier, whether the other one is in the table or in the file.
void CsvImport::checkNumber(int line, QString* number)
{
    if (number->isEmpty()) {
        m_withoutNumber.append(static_cast<int>(m_rows.size()));
        return;
    }
    const QString key = numberKey(*number);
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
    static const CodePage page = CodePage::forLanguageDriver(CodePage::kWindows1250);
    double next = std::floor(m_highestNumber) + 1;
    for (const int row : std::as_const(m_withoutNumber)) {
        const QString number = QString::number(next, 'f', 0);
        QByteArray bytes;
        if (!fieldcodec::fromText(carrierLayout().fields.at(kNumber), number, page, QLocale::c(),
                                  &bytes))
            m_badRows.append(
                {m_rowLines.at(row),
                 QStringLiteral("volné evidenční číslo %1 se do pole nevejde").arg(number)});
        m_rows[row][kNumber] = number;
        next += 1;
    }
}

Status CsvImport::badRowsMessage() const
{
    if (m_badRows.isEmpty())
        return Status::ok();
    QStringList lines{QStringLiteral("Ze souboru CSV nebylo nic načteno: chybné řádky %1 z %2.")
                          .arg(m_badRows.size())
                          .arg(m_rows.size())};
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
    const QList<FieldDef>& fields = carrierLayout().fields;
    BulkWriter writer;
    if (Status s = writer.openForAppend(m_path); !s)
        return s;
    for (const QStringList& row : std::as_const(m_rows)) {
        for (int f = 0; f < fields.size(); ++f) {
            if (row.at(f).isEmpty())
                continue;
            if (Status s = writer.setFieldValueText(fields.at(f).name, row.at(f)); !s)
                return s;
        }
        if (Status s = writer.append(); !s)
            return s;
    }
    return writer.finish();
}
