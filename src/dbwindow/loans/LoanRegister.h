#pragma once

#include "CodePage.h"
#include "Status.h"
#include "TVypujcka.h"

#include <QString>

#include <optional>

// The shared loan register Pujcovna.dbf of the data folder, read and written
// by the file itself at every call. Sibling programs of the suite keep their
// loans in the same file, so nothing read earlier is trusted: each call sees
// what they wrote meanwhile, appends after their records, and touches only
// the records of the program code it is given.
class LoanRegister final
{
public:
    explicit LoanRegister(QString dataFolder);

    // Found without regard to letter case.
    QString path() const;
    bool exists() const;
    // The page the register's texts are stored in; Windows-1250 before the
    // register exists.
    CodePage codePage() const;

    // The loan of carrier `id` of the database `program`; none when the
    // carrier has no card (or the register does not exist yet).
    std::optional<TVypujcka> find(const QString& program, const QString& id,
                                  Status* error = nullptr) const;
    // Whether any loan of `program` still names the person.
    bool namesPerson(const QString& program, const Osoba& person, Status* error = nullptr) const;

    // Rewrites the carrier's card in place, or appends it when it has none;
    // creates the register when it does not exist. Fields of the record that
    // are not part of a loan stay as they were.
    Status store(const TVypujcka& loan);
    // Deletes the carrier's card; a carrier without one is no error.
    Status remove(const QString& program, const QString& id);

private:
    QString m_dataFolder;
};
