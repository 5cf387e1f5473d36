#include "SearchCriteria.h"

namespace search {

const QList<Criterion>& criteria()
{
    static const QList<Criterion> all = [] {
        const auto carrier = Shape::PerCarrier;
        const auto S = [](const char* text) { return QString::fromUtf8(text); };
        const auto L = [](std::initializer_list<const char*> names) {
            QStringList list;
            for (const char* name : names)
                list.append(QString::fromLatin1(name));
            return list;
        };
        return QList<Criterion>{
            {S("1"), S("Vyhledávání podle evidenčního čísla nosiče"),
             S("Zobrazí dialog pro vyhledání záznamu podle čísla"),
             S("Vyhledávání podle evidenčního čísla"), 30, carrier, S("CISLO"), S("CISLO"),
             L({"CISLO"}), false},
            {S("2"), S("Vyhledávání podle názvu nosiče"),
             S("Zobrazí dialog pro vyhledání záznamu podle názvu nosiče"),
             S("Vyhledávání podle názvu nosiče"), 69, carrier, S("NAZEV"), S("NAZEV"), L({"NAZEV"}),
             true},
            {S("3"), S("Vyhledávání podle jména interpreta"),
             S("Zobrazí dialog pro vyhledání záznamu podle jména interpreta"),
             S("Vyhledávání podle jména interpreta"), 99, carrier, S("INTERPRET"), S("INTERPRET"),
             L({"INTERPRET", "NAZEV"}), true},
            {S("6"), S("Vyhledávání podle jména skladby/programu"),
             S("Zobrazí dialog pro vyhledání záznamu podle jména skladby/programu"),
             S("Vyhledávání podle jména skladby/programu"), 130, Shape::PerTrack, S("A1"), S("A1"),
             L({"A1", "NAZEV"}), true},
            {S("4"), S("Vyhledávání podle druhu nosiče"),
             S("Zobrazí dialog pro vyhledání záznamu podle druhu nosiče"),
             S("Vyhledávání podle druhu nosiče"), 163, carrier, S("DRUH"), S("DRUH"),
             L({"DRUH", "NAZEV"}), true},
            {S("5"), S("Vyhledávání podle žánru nahrávky"),
             S("Zobrazí dialog pro vyhledání záznamu podle žánru nahrávky"),
             S("Vyhledávání podle žánru nahrávky"), 195, carrier, S("ZANR"), S("ZANR"),
             L({"ZANR", "NAZEV"}), true},
            {S("7"), S("Vyhledávání podle vypůjčeného nosiče"),
             S("Zobrazí dialog pro vyhledání záznamu podle vypůjčeného nosiče"),
             S("Vyhledávání podle vypůjčeného nosiče"), 227, carrier, S("PUJCENO"), S("PUJCENO"),
             L({"NAZEV"}), true},
        };
    }();
    return all;
}

const Criterion* criterion(const QString& code)
{
    for (const Criterion& c : criteria()) {
        if (c.code == code)
            return &c;
    }
    return nullptr;
}

} // namespace search
