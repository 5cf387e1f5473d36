#include "OptionalDatabases.h"

#include "ProgramSettings.h"

#include "IniFile.h"
#include "TableFiles.h"
#include "TableLayout.h"

namespace {
const QString kNames = QStringLiteral("Volitelne");

bool validOptional(int optional)
{
    return optional >= 1 && optional <= 3;
}

Status outOfRange(int optional)
{
    return Status::error(QStringLiteral("Volitelná databáze č. %1 neexistuje.").arg(optional));
}
} // namespace

const QString& OptionalDatabases::notCreatedName()
{
    static const QString name =
        QStringLiteral("Uživatelsky definovatelná databáze programu Fonarium");
    return name;
}

const QString& OptionalDatabases::standardName()
{
    static const QString name = QStringLiteral("Standardní databáze programu Fonarium");
    return name;
}

OptionalDatabases::OptionalDatabases(const ProgramFolder& folder) : m_folder(folder) {}

QString OptionalDatabases::name(int optional) const
{
    return IniFile(iniPath()).readString(kNames, QStringLiteral("Data%1").arg(optional));
}

bool OptionalDatabases::isOpen(int slot) const
{
    return ProgramSettings(iniPath()).isDatabaseOpen(slot);
}

bool OptionalDatabases::tableExists(int optional) const
{
    return tablefiles::exists(m_folder.dataFolder(), layouts::carrierTableOfSlot(optional + 1));
}

QList<OptionalDatabases::Entry> OptionalDatabases::editEntries() const
{
    QList<Entry> entries;
    for (int k = 1; k <= 3; ++k)
        entries.append({name(k), isOpen(k + 1)});
    return entries;
}

QList<OptionalDatabases::Entry> OptionalDatabases::chooserEntries() const
{
    QList<Entry> entries = {{standardName(), isOpen(1)}};
    for (int k = 1; k <= 3; ++k) {
        const QString text = name(k);
        entries.append({text, isOpen(k + 1) || text == notCreatedName()});
    }
    return entries;
}

// The table is made first, so that a missing template never leaves a name
// pointing at a database that is not there.
Status OptionalDatabases::create(int optional, const QString& newName) const
{
    if (!validOptional(optional))
        return outOfRange(optional);
    if (newName.isEmpty() || newName == notCreatedName())
        return Status::error(QStringLiteral("Nejprve musíte zadat název volitelné databáze."));
    if (!tableExists(optional)) {
        Status s =
            tablefiles::recreateFromTemplate(m_folder.templateFolder(), m_folder.dataFolder(),
                                             layouts::carrierTableOfSlot(optional + 1));
        if (!s)
            return s;
    }
    return IniFile(iniPath()).writeString(kNames, QStringLiteral("Data%1").arg(optional), newName);
}

// The files go first: when one of them cannot be deleted, the database keeps
// its name and stays usable.
Status OptionalDatabases::remove(int optional) const
{
    if (!validOptional(optional))
        return outOfRange(optional);
    Status s = tablefiles::remove(m_folder.dataFolder(), layouts::carrierTableOfSlot(optional + 1));
    if (s)
        s = ProgramSettings(iniPath()).forgetSearchCopies(optional + 1);
    if (!s)
        return s;
    return IniFile(iniPath()).writeString(kNames, QStringLiteral("Data%1").arg(optional),
                                          notCreatedName());
}

// A search copy made before would still list the carriers that are gone.
Status OptionalDatabases::clearStandard() const
{
    Status s = tablefiles::recreateFromTemplate(m_folder.templateFolder(), m_folder.dataFolder(),
                                                layouts::carrierTableOfSlot(1));
    if (s)
        s = ProgramSettings(iniPath()).forgetSearchCopies(1);
    return s;
}
