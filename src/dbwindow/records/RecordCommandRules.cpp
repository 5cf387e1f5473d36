#include "RecordCommandRules.h"

#include "CarrierKind.h"

#include "TTable.h"

#include <QDate>

#include "FilterExpression.h"

#include <array>

namespace recordrules {
namespace {

// A row per command: its items and the setting for editing, empty, at start,
// at end and inside; -1 leaves the items unchanged.
struct Row
{
    QStringList items;
    std::array<int, 5> settings;
};

const QList<Row>& rows()
{
    static const QList<Row> table = {
        {{"MS4", "MS5", "TS3", "TS5", "OS3", "OS4", "MP0", "MP01"}, {0, 0, 1, 1, 1}},
        {{"MU4", "TD6", "UD6", "MP4"}, {0, 0, 1, 1, 1}},
        {{"MU5", "TD7", "UD7", "MP5"}, {0, 1, 1, 1, 1}},
        {{"MU6", "TD8", "UD8", "MP6", "MU10", "MP14"}, {1, 0, 0, 0, 0}},
        {{"MU9", "TD10", "UD10", "MP13"}, {1, 0, 0, 0, 0}},
        {{"MU7", "TD9", "UD9", "MP7"}, {0, 0, 1, 1, 1}},
        {{"MU8", "MP"}, {0, 1, 1, 1, 1}},
        {{"PNa1", "Pna2", "TD1", "TD2", "UD1", "UD2"}, {0, 0, 0, 1, 1}},
        {{"MP8", "MP9"}, {-1, 0, 0, 1, 1}},
        {{"PNa3", "PNa4", "TD3", "TD4", "UD3", "UD4"}, {0, 0, 1, 0, 1}},
        {{"MP10", "MP11"}, {-1, 0, 1, 0, 1}},
        {{"PNa5", "TD5", "UD5"}, {0, 1, 1, 1, 1}},
        {{"MP12"}, {-1, 1, 1, 1, 1}},
        {{"MU1", "MU2", "MU3", "TS6", "TS7", "TS8"}, {-1, 0, 0, 0, 0}},
    };
    return table;
}

} // namespace

WindowState stateOf(bool editing, bool bof, bool eof)
{
    if (editing)
        return WindowState::Editing;
    if (bof && eof)
        return WindowState::Empty;
    if (bof)
        return WindowState::AtStart;
    if (eof)
        return WindowState::AtEnd;
    return WindowState::Inside;
}

QList<Rule> rulesFor(WindowState state)
{
    const auto column = static_cast<size_t>(state);
    QList<Rule> rules;
    for (const Row& row : rows()) {
        const int setting = row.settings[column];
        for (const QString& item : row.items)
            rules.append({item, setting < 0 ? std::nullopt : std::optional<bool>(setting == 1)});
    }
    return rules;
}

QString hintOf(RecordCommand command)
{
    switch (command) {
    case RecordCommand::Preview:
        return QStringLiteral("Zobrazí náhled tiskových sestav");
    case RecordCommand::Print:
        return QStringLiteral("Zobrazí dialog pro výběr tisku jednotlivých sestav");
    case RecordCommand::Cut:
        return QStringLiteral("Vyjme označený text a uloží ho do schránky");
    case RecordCommand::Copy:
        return QStringLiteral("Zkopíruje označený text do schránky");
    case RecordCommand::Paste:
        return QStringLiteral("Vloží text ze schránky na místo kurzoru");
    case RecordCommand::Delete:
        return QStringLiteral("Zruší aktuální záznam ve vybrané databázi");
    case RecordCommand::Edit:
        return QStringLiteral("Umožní editaci aktuálního záznamu ve vybrané databázi");
    case RecordCommand::Save:
        return QStringLiteral("Uloží změny aktuálního záznamu ve vybrané databázi");
    case RecordCommand::Undo:
        return QStringLiteral("Vrátí změny aktuálního záznamu ve vybrané databázi");
    case RecordCommand::Find:
        return QStringLiteral("Vyhledá záznam ve vybrané databázi");
    case RecordCommand::First:
        return QStringLiteral("Zobrazí první záznam vybrané databáze");
    case RecordCommand::Previous:
        return QStringLiteral("Zobrazí předchozí záznam vybrané databáze");
    case RecordCommand::Next:
        return QStringLiteral("Zobrazí následující záznam vybrané databáze");
    case RecordCommand::Last:
        return QStringLiteral("Zobrazí poslední záznam vybrané databáze");
    case RecordCommand::New:
        return QStringLiteral("Vytvoří nový záznam ve vybrané databázi");
    case RecordCommand::ReadTracks:
        return QStringLiteral(
            "Vyplní stopy nosiče z disku v mechanice, z obrazu disku nebo ze složky");
    }
    return {};
}

bool isPopupItem(const QString& item)
{
    return item.startsWith(QLatin1String("MP"));
}

const QStringList& kindItems()
{
    static const QStringList items = {"N0", "NO1", "NO5", "NO2", "NO3", "NO4"};
    return items;
}

QString kindOfItem(const QString& item)
{
    static const QList<QPair<QString, CarrierKind>> kinds = {
        {"NO1", CarrierKind::AudioCd}, {"NO5", CarrierKind::Mp3Cd}, {"NO2", CarrierKind::DataCd},
        {"NO3", CarrierKind::Lp},      {"NO4", CarrierKind::Mc},
    };
    for (const auto& [name, kind] : kinds) {
        if (name == item)
            return carrierkind::text(kind);
    }
    return {};
}

QString kindFilter(const QString& item)
{
    if (item == QLatin1String("N0"))
        return QStringLiteral("DRUH <> ' '");
    const QString kind = kindOfItem(item);
    return kind.isEmpty() ? QString() : filterTerm(QStringLiteral("DRUH"), kind);
}

Status stampToday(TTable& table)
{
    return table.setFieldText(QStringLiteral("DATUM"), QDate::currentDate().toString(Qt::ISODate));
}

} // namespace recordrules
