#include "LoanCheck.h"

#include "CodePage.h"
#include "TableLayout.h"

namespace loancheck {
namespace {

struct CardField
{
    const char* field;
    const char* label;
    QString TVypujcka::*value;
};

const CardField kTextFields[] = {
    {"PRIJMENI", "Příjmení", &TVypujcka::prijmeni}, {"JMENO", "Jméno", &TVypujcka::jmeno},
    {"ULICE", "Ulice", &TVypujcka::ulice},          {"CISLO", "Blok/Číslo", &TVypujcka::cislo},
    {"TELEFON", "Telefon", &TVypujcka::telefon},    {"OBEC", "Město (Obec)", &TVypujcka::obec},
    {"ID", "Evidenční číslo", &TVypujcka::id},      {"PROGRAM", "Program", &TVypujcka::program},
};

constexpr int kPostCodeWidth = 10;

Status checkText(const CardField& card, const QString& text, int width, const CodePage& page)
{
    const QString label = QString::fromUtf8(card.label);
    if (const auto bad = page.firstUnencodable(text))
        return Status::error(QStringLiteral("Znak „%1“ v poli „%2“ nelze uložit do výpůjční "
                                            "databáze. Opravte prosím údaj.")
                                 .arg(*bad, label),
                             QString::fromLatin1(card.field));
    if (text.size() > width)
        return Status::error(QStringLiteral("Údaj v poli „%1“ je delší než %2 znaků. Zkraťte "
                                            "ho prosím.")
                                 .arg(label)
                                 .arg(width),
                             QString::fromLatin1(card.field));
    return Status::ok();
}

Status checkPostCode(const QString& psc)
{
    if (psc.size() > kPostCodeWidth)
        return Status::error(QStringLiteral("PSČ může mít nejvýše %1 číslic.").arg(kPostCodeWidth),
                             QStringLiteral("PSC"));
    for (const QChar c : psc) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return Status::error(QStringLiteral("PSČ může obsahovat jen číslice, bez mezer "
                                                "(například 11000)."),
                                 QStringLiteral("PSC"));
    }
    return Status::ok();
}

} // namespace

Status check(const TVypujcka& loan, const CodePage& page)
{
    const TableLayout layout = layouts::loanRegister();
    for (const CardField& card : kTextFields) {
        const int field = layout.fieldIndex(QString::fromLatin1(card.field));
        const Status s = checkText(card, loan.*card.value, layout.fields.at(field).width, page);
        if (!s)
            return s;
    }
    return checkPostCode(loan.psc);
}

} // namespace loancheck
