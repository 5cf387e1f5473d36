#include "EvidenceNumber.h"

#include "TTable.h"

namespace {
const QString kNumber = QStringLiteral("CISLO");
const QString kTitle = QStringLiteral("NAZEV");

Status taken(const QString& number, const QString& title)
{
    const QString holder = title.trimmed().isEmpty()
                               ? QStringLiteral("nosič bez názvu")
                               : QStringLiteral("nosič „%1“").arg(title.trimmed());
    return Status::error(QStringLiteral("Evidenční číslo %1 už má v této databázi %2. Záznam "
                                        "nebyl uložen; zadejte jiné evidenční číslo.")
                             .arg(number, holder));
}
} // namespace

Status evidencenumber::checkUnique(const TTable& edited)
{
    const QString number = edited.fieldValueText(kNumber).trimmed();
    if (number.isEmpty())
        return Status::ok();
    // A new record has no place in the file yet; an edited one may keep its number.
    const int own = edited.state() == TTable::State::Edit ? edited.bookmark().record : -1;
    TTable others;
    others.setDatabaseName(edited.databaseName());
    others.setTableName(edited.tableName());
    if (Status s = others.open(); !s)
        return s;
    for (Status s = others.first(); s && !others.eof(); s = others.next()) {
        if (others.bookmark().record != own && others.fieldValueText(kNumber).trimmed() == number)
            return taken(edited.fieldText(kNumber).trimmed(), others.fieldText(kTitle));
    }
    return Status::ok();
}
