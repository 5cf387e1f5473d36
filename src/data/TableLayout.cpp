#include "TableLayout.h"

#include "CarrierKind.h"

int TableLayout::fieldIndex(const QString& name) const
{
    for (int i = 0; i < fields.size(); ++i) {
        if (fields.at(i).name.compare(name, Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

const IndexTag* TableLayout::tag(const QString& name) const
{
    for (const IndexTag& t : tags) {
        if (t.name.compare(name, Qt::CaseInsensitive) == 0)
            return &t;
    }
    return nullptr;
}

namespace layouts {
namespace {

FieldDef text(const char* name, int width)
{
    return {QString::fromLatin1(name), 'C', width, 0};
}

FieldDef number(const char* name, int width, int decimals)
{
    return {QString::fromLatin1(name), 'N', width, decimals};
}

FieldDef date(const char* name)
{
    return {QString::fromLatin1(name), 'D', 8, 0};
}

FieldDef logical(const char* name)
{
    return {QString::fromLatin1(name), 'L', 1, 0};
}

IndexTag tagOn(const char* field)
{
    return {QString::fromLatin1(field), {QString::fromLatin1(field)}};
}

} // namespace

const QStringList& carrierKinds()
{
    static const QStringList kinds = [] {
        QStringList texts;
        for (const CarrierKind kind : carrierkind::all)
            texts.append(carrierkind::text(kind));
        return texts;
    }();
    return kinds;
}

const QStringList& genres()
{
    static const QStringList list = {
        QStringLiteral("Avantgardní muzika"),
        QStringLiteral("Beat"),
        QStringLiteral("Bez kapely"),
        QStringLiteral("Black metal"),
        QStringLiteral("Blues"),
        QStringLiteral("Country"),
        QStringLiteral("Dance music"),
        QStringLiteral("Death metal"),
        QStringLiteral("Dechovka"),
        QStringLiteral("Disko"),
        QStringLiteral("Elektronická muzika"),
        QStringLiteral("Folk"),
        QStringLiteral("Hard rock"),
        QStringLiteral("Heavy metal"),
        QStringLiteral("Hip-hop"),
        QStringLiteral("House"),
        QStringLiteral("Jazz"),
        QStringLiteral("Klasická hudba"),
        QStringLiteral("Lidové písně"),
        QStringLiteral("Mluvené slovo"),
        QStringLiteral("Oldies"),
        QStringLiteral("Pop"),
        QStringLiteral("Punk"),
        QStringLiteral("Rap"),
        QStringLiteral("Relaxační hudba"),
        QStringLiteral("Rock"),
        QStringLiteral("Rock and Roll"),
        QStringLiteral("Soundtrack"),
        QStringLiteral("Techno"),
    };
    return list;
}

// Evidence number, capacity and total take what a five-character editor accepts
// ("99999", "-9999", ",1234") and the sum of thirty tracks; track lengths and
// sizes keep two decimals.
TableLayout carrier(const QString& baseName)
{
    TableLayout layout;
    layout.baseName = baseName;
    layout.fields = {
        number("CISLO", 10, 4), text("DRUH", 50),      number("DELKA", 10, 4),
        text("NAZEV", 50),      text("ZANR", 50),      number("CELKEM", 12, 2),
        text("INTERPRET", 50),  text("POZNAMKA", 254), date("DATUM"),
        date("DATUM1"),
    };
    for (int i = 1; i <= 30; ++i)
        layout.fields.append({QStringLiteral("A%1").arg(i), 'C', 50, 0});
    for (int i = 1; i <= 30; ++i)
        layout.fields.append({QStringLiteral("C%1").arg(i), 'N', 9, 2});
    layout.fields.append(text("PUJCENO", 10));

    layout.tags = {tagOn("CISLO"), tagOn("NAZEV")};
    if (baseName.compare(QStringLiteral("AudioI"), Qt::CaseInsensitive) == 0) {
        layout.tags +=
            {tagOn("INTERPRET"), tagOn("DRUH"), tagOn("ZANR"), tagOn("A1"), tagOn("PUJCENO")};
        layout.tags.append(
            {QStringLiteral("INTERJMENO"), {QStringLiteral("INTERPRET"), QStringLiteral("NAZEV")}});
    }
    layout.defaultIndex = QStringLiteral("CISLO");
    return layout;
}

TableLayout loanRegister()
{
    TableLayout layout;
    layout.baseName = QStringLiteral("Pujcovna");
    layout.fields = {
        text("JMENO", 50), text("PRIJMENI", 50), text("ULICE", 50),   text("CISLO", 20),
        text("OBEC", 50),  number("PSC", 10, 0), text("TELEFON", 20), date("DATUM"),
        text("ID", 20),    text("PROGRAM", 10),
    };
    layout.tags = {tagOn("ID")};
    layout.defaultIndex = QStringLiteral("ID");
    return layout;
}

TableLayout addressBook(const QString& baseName)
{
    TableLayout layout;
    layout.baseName = baseName;
    layout.fields = {
        text("PRIJMENI", 50),  text("JMENO", 50),     text("TITUL", 10),     text("ULICE1", 50),
        text("ULICE2", 50),    text("CISLO1", 20),    text("CISLO2", 20),    text("MESTO1", 50),
        text("MESTO2", 50),    number("PSC1", 10, 0), number("PSC2", 10, 0), text("STAT1", 50),
        text("STAT2", 50),     text("TELEFON1", 20),  text("TELEFON2", 20),  text("MOBIL1", 20),
        text("MOBIL2", 20),    text("FAX1", 20),      text("FAX2", 20),      text("URL1", 50),
        text("URL2", 50),      text("EMAIL1", 50),    text("EMAIL2", 50),    text("ZAMESTNANI", 50),
        text("POZNAMKA", 254),
    };
    for (const char* mark :
         {"A1", "A2", "A3", "A4", "B1", "B2", "B3", "B4", "V1", "V2", "V3", "V4", "P1"})
        layout.fields.append(logical(mark));
    layout.fields += {date("DATUM"), text("ZARAZENI", 50), text("INFO", 100)};
    layout.tags = {tagOn("PRIJMENI")};
    layout.defaultIndex = QStringLiteral("PRIJMENI");
    return layout;
}

TableLayout tips()
{
    TableLayout layout;
    layout.baseName = QStringLiteral("TipyA");
    layout.fields = {text("TIPDNE", 254)};
    return layout;
}

const QStringList& carrierTables()
{
    static const QStringList names = {QStringLiteral("AudioS"), QStringLiteral("Audio1"),
                                      QStringLiteral("Audio2"), QStringLiteral("Audio3"),
                                      QStringLiteral("AudioI")};
    return names;
}

QString carrierTableOfSlot(int slot)
{
    if (slot < 1 || slot > 4)
        return {};
    return carrierTables().at(slot - 1);
}

QString programCodeOfSlot(int slot)
{
    if (slot == 1)
        return QStringLiteral("AS");
    if (slot >= 2 && slot <= 4)
        return QStringLiteral("A%1").arg(slot - 1);
    return {};
}

TableLayout forTable(const QString& baseName)
{
    for (const QString& name : carrierTables()) {
        if (name.compare(baseName, Qt::CaseInsensitive) == 0)
            return carrier(name);
    }
    if (baseName.compare(QStringLiteral("Pujcovna"), Qt::CaseInsensitive) == 0)
        return loanRegister();
    if (baseName.compare(QStringLiteral("Adresar1"), Qt::CaseInsensitive) == 0)
        return addressBook(QStringLiteral("Adresar1"));
    if (baseName.compare(QStringLiteral("Adresar2"), Qt::CaseInsensitive) == 0)
        return addressBook(QStringLiteral("Adresar2"));
    if (baseName.compare(QStringLiteral("TipyA"), Qt::CaseInsensitive) == 0)
        return tips();
    return {};
}

} // namespace layouts
