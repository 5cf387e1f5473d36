#pragma once

#include "ProgramFolder.h"
#include "Status.h"

#include <QList>
#include <QString>

// The four carrier databases of a program folder as the choosing dialogs see
// them: the standard database in slot 1 and the optional databases 1-3 in
// slots 2-4, with their names, whether they are open and whether their table
// exists, and the file work of creating, deleting and clearing them.
class OptionalDatabases final
{
public:
    static const QString&
    notCreatedName(); // "Uživatelsky definovatelná databáze programu Fonarium"
    static const QString& standardName(); // "Standardní databáze programu Fonarium"

    explicit OptionalDatabases(const ProgramFolder& folder);

    // The stored name of optional database 1-3; empty when the key is missing.
    QString name(int optional) const;
    // Whether the database of slot 1-4 is open in a window.
    bool isOpen(int slot) const;
    // Whether the table of optional database 1-3 exists in the data folder.
    bool tableExists(int optional) const;

    struct Entry
    {
        QString text;
        bool struck = false;
    };
    // The three entries of the optional-database dialog: open ones are struck.
    QList<Entry> editEntries() const;
    // The four entries of the opening chooser: open ones and ones not created are struck.
    QList<Entry> chooserEntries() const;

    // Names an optional database, creating its table from the template when it
    // does not exist yet; an existing table keeps its records. A missing name
    // is refused with the warning the naming dialog shows.
    Status create(int optional, const QString& newName) const;
    // Deletes the table files and marks the database as not created.
    Status remove(int optional) const;
    // Replaces the standard database with its empty template.
    Status clearStandard() const;

private:
    QString iniPath() const { return m_folder.programIniPath(); }

    ProgramFolder m_folder;
};
