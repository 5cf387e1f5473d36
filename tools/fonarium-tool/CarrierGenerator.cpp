#include "CarrierGenerator.h"

#include "CarrierTotal.h"

#include "BulkWriter.h"
#include "TTable.h"
#include "TableLayout.h"

#include <QDate>

namespace {

const QStringList kPerformers = {
    QStringLiteral("Hradní kapela"),       QStringLiteral("Jana Nováková"),
    QStringLiteral("Modrý Měsíc"),         QStringLiteral("Petr Dvořák a přátelé"),
    QStringLiteral("Šumavští muzikanti"),  QStringLiteral("Černé ovce"),
    QStringLiteral("Komorní soubor Lípa"), QStringLiteral("Ondřej Řezníček"),
    QStringLiteral("Žlutý pes"),           QStringLiteral("Brněnská filharmonie"),
    QStringLiteral("Kateřina Malá"),       QStringLiteral("Duo Čtyřlístek"),
    QStringLiteral("Ostravský beat"),      QStringLiteral("Václav Hrubý"),
    QStringLiteral("Ticho po bouři"),      QStringLiteral("Dechová hudba Lesanka"),
};

const QStringList kWords = {
    QStringLiteral("Léto"),   QStringLiteral("Noc"),     QStringLiteral("Řeka"),
    QStringLiteral("Hvězdy"), QStringLiteral("Cesta"),   QStringLiteral("Dálky"),
    QStringLiteral("Vítr"),   QStringLiteral("Srdce"),   QStringLiteral("Město"),
    QStringLiteral("Ozvěny"), QStringLiteral("Podzim"),  QStringLiteral("Píseň"),
    QStringLiteral("Světla"), QStringLiteral("Zrcadla"), QStringLiteral("Šeptání"),
    QStringLiteral("Tanec"),  QStringLiteral("Sníh"),    QStringLiteral("Ráno"),
};

// The words as they stand inside a title.
const QStringList kLowerWords = [] {
    QStringList lower;
    for (const QString& word : kWords)
        lower.append(word.toLower());
    return lower;
}();

const QStringList kLinks = {QStringLiteral("a"),  QStringLiteral("nad"), QStringLiteral("pod"),
                            QStringLiteral("za"), QStringLiteral("bez"), QStringLiteral("přes")};

const QStringList kNotes = {
    QStringLiteral("Koupeno v bazaru, obal mírně poškozený."),
    QStringLiteral("Dárek k narozeninám."),
    QStringLiteral("Živá nahrávka z koncertu."),
    QStringLiteral("Remasterovaná reedice."),
    QStringLiteral("Podepsáno interpretem.\r\nUchovávat mimo slunce."),
    QStringLiteral("Zapůjčeno do školy na besídku."),
};

const QStringList kFirstNames = {QStringLiteral("Jan"),   QStringLiteral("Eva"),
                                 QStringLiteral("Tomáš"), QStringLiteral("Lucie"),
                                 QStringLiteral("Jiří"),  QStringLiteral("Markéta")};
const QStringList kSurnames = {QStringLiteral("Svoboda"),   QStringLiteral("Černá"),
                               QStringLiteral("Procházka"), QStringLiteral("Kučerová"),
                               QStringLiteral("Veselý"),    QStringLiteral("Horáková")};
const QStringList kTowns = {QStringLiteral("Praha"), QStringLiteral("Brno"),
                            QStringLiteral("Olomouc"), QStringLiteral("České Budějovice")};

// YYYY-MM-DD without the general formatter, which costs more than the rest
// of a date field.
QString isoDate(const QDate& date)
{
    char text[11];
    const int year = date.year();
    const int parts[] = {year / 1000, year / 100 % 10, year / 10 % 10, year % 10};
    for (int i = 0; i < 4; ++i)
        text[i] = char('0' + parts[i]);
    text[4] = text[7] = '-';
    text[5] = char('0' + date.month() / 10);
    text[6] = char('0' + date.month() % 10);
    text[8] = char('0' + date.day() / 10);
    text[9] = char('0' + date.day() % 10);
    text[10] = '\0';
    return QString::fromLatin1(text, 10);
}

class TableRows final : public CarrierGenerator::Rows
{
public:
    explicit TableRows(TTable* table) : m_table(table) {}
    Status begin() override { return m_table->insert(); }
    Status set(const QString& field, const QString& value) override
    {
        return m_table->setFieldText(field, value);
    }
    Status end() override { return m_table->post(); }

private:
    TTable* m_table;
};

class WriterRows final : public CarrierGenerator::Rows
{
public:
    explicit WriterRows(BulkWriter* writer) : m_writer(writer) {}
    Status begin() override
    {
        m_writer->clearRow();
        return Status::ok();
    }
    Status set(const QString& field, const QString& value) override
    {
        return m_writer->setFieldValueText(field, value);
    }
    Status end() override { return m_writer->append(); }

private:
    BulkWriter* m_writer;
};

} // namespace

CarrierGenerator::CarrierGenerator(quint32 seed) : m_random(seed) {}

QString CarrierGenerator::pick(const QStringList& list)
{
    return list.at(static_cast<int>(m_random.bounded(static_cast<quint32>(list.size()))));
}

QString CarrierGenerator::title()
{
    if (m_random.bounded(3) == 0)
        return pick(kWords);
    // Drawn from the end, as the samples of earlier versions were, so a seed
    // still gives the same collection.
    const QString last = pick(kLowerWords);
    const QString link = pick(kLinks);
    QString text = pick(kWords);
    text.reserve(40);
    text += QLatin1Char(' ');
    text += link;
    text += QLatin1Char(' ');
    text += last;
    return text;
}

// Audio kinds take minutes with the seconds as two decimals, data kinds megabytes.
QString CarrierGenerator::trackValue(const QString& kind)
{
    const bool dataKind = CarrierTotal::isDataKind(kind);
    const quint32 whole = dataKind ? m_random.bounded(1, 60) : m_random.bounded(1, 9);
    const quint32 part = m_random.bounded(dataKind ? 100 : 60);
    QString text = QString::number(whole);
    text += QLatin1Char('.');
    text += QLatin1Char(char('0' + part / 10));
    text += QLatin1Char(char('0' + part % 10));
    return text;
}

Status CarrierGenerator::addTracks(Rows& carriers, const QString& kind)
{
    static const auto names = [](QChar letter) {
        QStringList list;
        for (int i = 1; i <= 30; ++i)
            list.append(letter + QString::number(i));
        return list;
    };
    static const QStringList titles = names(QLatin1Char('A'));
    static const QStringList lengths = names(QLatin1Char('C'));
    const int tracks = static_cast<int>(m_random.bounded(31));
    QStringList values;
    for (int i = 0; i < tracks; ++i) {
        values.append(trackValue(kind));
        Status s = carriers.set(titles.at(i), title());
        if (s)
            s = carriers.set(lengths.at(i), values.last());
        if (!s)
            return s;
    }
    const auto total = CarrierTotal::compute(kind, values, QLocale::c());
    if (!total.status)
        return total.status;
    return carriers.set(QStringLiteral("CELKEM"), total.text);
}

Status CarrierGenerator::addLoan(Rows& loans, const QString& programCode, const QString& number)
{
    const QList<QPair<QString, QString>> fields = {
        {QStringLiteral("JMENO"), pick(kFirstNames)},
        {QStringLiteral("PRIJMENI"), pick(kSurnames)},
        {QStringLiteral("ULICE"), pick(kWords) + QStringLiteral("ová")},
        {QStringLiteral("CISLO"), QString::number(m_random.bounded(1, 200))},
        {QStringLiteral("OBEC"), pick(kTowns)},
        {QStringLiteral("PSC"), QString::number(m_random.bounded(10000, 79999))},
        {QStringLiteral("TELEFON"),
         QStringLiteral("+420 %1").arg(m_random.bounded(600000000, 799999999))},
        {QStringLiteral("DATUM"), isoDate(m_today.addDays(-m_random.bounded(200)))},
        {QStringLiteral("ID"), number},
        {QStringLiteral("PROGRAM"), programCode},
    };
    Status s = loans.begin();
    for (const auto& [field, value] : fields) {
        if (s)
            s = loans.set(field, value);
    }
    return s ? loans.end() : s;
}

Status CarrierGenerator::addCarrier(Rows& carriers, Rows* loans, const QString& programCode,
                                    int number)
{
    const QString kind = pick(layouts::carrierKinds());
    const bool dataKind = CarrierTotal::isDataKind(kind);
    const bool lent = loans && m_random.bounded(12) == 0;
    const QList<QPair<QString, QString>> fields = {
        {QStringLiteral("CISLO"), QString::number(number)},
        {QStringLiteral("DRUH"), kind},
        {QStringLiteral("DELKA"),
         dataKind ? QStringLiteral("700") : QString::number(m_random.bounded(40, 91))},
        {QStringLiteral("NAZEV"), title()},
        {QStringLiteral("ZANR"), m_random.bounded(10) == 0 ? QString() : pick(layouts::genres())},
        {QStringLiteral("INTERPRET"),
         dataKind && m_random.bounded(2) ? QString() : pick(kPerformers)},
        {QStringLiteral("POZNAMKA"), m_random.bounded(4) == 0 ? pick(kNotes) : QString()},
        {QStringLiteral("DATUM"), isoDate(m_today.addDays(-m_random.bounded(3000)))},
        {QStringLiteral("DATUM1"), isoDate(QDate(1985, 1, 1).addDays(m_random.bounded(14000)))},
        {QStringLiteral("PUJCENO"), lent ? QStringLiteral("Půjčeno") : QString()},
    };
    // The loan card goes first: a carrier marked as lent must always find its card,
    // also when the tool is stopped between the two tables.
    Status s = lent ? addLoan(*loans, programCode, QString::number(number)) : Status::ok();
    if (s)
        s = carriers.begin();
    for (const auto& [field, value] : fields) {
        if (s)
            s = carriers.set(field, value);
    }
    if (s)
        s = addTracks(carriers, kind);
    if (s)
        s = carriers.end();
    return s;
}

Status CarrierGenerator::fillRows(Rows& carriers, Rows* loans, const QString& programCode,
                                  int firstNumber, int count)
{
    m_today = QDate::currentDate();
    for (int i = 0; i < count; ++i) {
        if (Status s = addCarrier(carriers, loans, programCode, firstNumber + i); !s)
            return s;
    }
    return Status::ok();
}

Status CarrierGenerator::fill(BulkWriter* carriers, BulkWriter* loans, const QString& programCode,
                              int firstNumber, int count)
{
    WriterRows carrierRows(carriers);
    WriterRows loanRows(loans);
    if (loans)
        carriers->writeAfter(loans);
    return fillRows(carrierRows, loans ? &loanRows : nullptr, programCode, firstNumber, count);
}

Status CarrierGenerator::fill(TTable* carriers, TTable* loans, const QString& programCode,
                              int firstNumber, int count)
{
    TableRows carrierRows(carriers);
    TableRows loanRows(loans);
    return fillRows(carrierRows, loans ? &loanRows : nullptr, programCode, firstNumber, count);
}
