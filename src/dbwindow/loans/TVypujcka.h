#pragma once

#include <QDate>
#include <QString>

// The person a loan names, as the address books know them: surname, first
// name and the street of the first address. Compared exactly, blanks at the
// end aside, the way the books store them.
struct Osoba
{
    QString prijmeni;
    QString jmeno;
    QString ulice;

    bool hasSurname() const { return !prijmeni.isEmpty(); }
    friend bool operator==(const Osoba&, const Osoba&) = default;
};

// One loan: a record of the shared loan register, tied to a carrier by its
// evidence number (`id`) and to the carrier's database by its program code.
struct TVypujcka
{
    QString jmeno;
    QString prijmeni;
    QString ulice;
    QString cislo; // house number
    QString obec;
    QString psc;
    QString telefon;
    QDate datum;
    QString id;
    QString program;

    Osoba osoba() const { return {prijmeni, jmeno, ulice}; }
    friend bool operator==(const TVypujcka&, const TVypujcka&) = default;
};
