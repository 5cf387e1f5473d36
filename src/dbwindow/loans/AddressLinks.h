#pragma once

#include "Status.h"
#include "TVypujcka.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

// The link marks A1-A4 of the shared address books Adresar1.dbf and
// Adresar2.dbf: mark n tells that the person borrows from database slot n.
// A person is every record whose surname, first name and first street equal
// those of the loan exactly. Only the byte of the mark changes; every other
// field and every record that does not match stays as it was.
class AddressLinks final
{
public:
    struct Change
    {
        Osoba osoba;
        bool value;
    };

    struct Result
    {
        // One Czech sentence per book that could not be read or written.
        QStringList errors;
        int changedRecords = 0;
        Status status() const;
    };

    // Positions 5 ... 100 of the link progress window as the work goes on.
    using Progress = std::function<void(int position)>;

    AddressLinks(QString dataFolder, int slot);

    // Sets or clears the slot's mark of the people named; a change without a
    // surname is left out, and when none remains no book is opened. A book
    // that does not exist is skipped; one that cannot be read or written is
    // reported and the other is still done.
    Result update(const QList<Change>& changes, const Progress& progress = {}) const;

    static QString markField(int slot); // "A1" ... "A4"
    static const QStringList& bookNames();

private:
    QString m_dataFolder;
    int m_slot;
};
