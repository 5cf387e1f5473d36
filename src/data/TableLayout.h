#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// One field of a dBase table: name, type letter (C, N, D, L), width and decimals.
struct FieldDef
{
    QString name;
    char type = 'C';
    int width = 0;
    int decimals = 0;

    friend bool operator==(const FieldDef&, const FieldDef&) = default;
};

// An index tag: its name and the fields whose values, in order, form its key.
struct IndexTag
{
    QString name;
    QStringList fields;

    friend bool operator==(const IndexTag&, const IndexTag&) = default;
};

// The layout of one table: the fields in file order and the tags its index carries.
// These definitions are the one source for the engine, the templates the build
// lays out, and the tests.
struct TableLayout
{
    QString baseName;
    QList<FieldDef> fields;
    QList<IndexTag> tags;
    QString defaultIndex; // empty: physical order

    int fieldIndex(const QString& name) const;
    const IndexTag* tag(const QString& name) const;
    bool hasIndexFile() const { return !tags.isEmpty(); }
};

namespace layouts {

// Carrier kinds and genres, in the order the lists offer them.
const QStringList& carrierKinds();
const QStringList& genres();

// The carrier layout shared by the four databases and the auxiliary table.
TableLayout carrier(const QString& baseName);
TableLayout loanRegister();                       // Pujcovna
TableLayout addressBook(const QString& baseName); // Adresar1, Adresar2
TableLayout tips();                               // TipyA

// The layout of a table by its base name (any letter case); nullptr-like empty
// layout (no fields) when the name is not one of ours.
TableLayout forTable(const QString& baseName);

// The base names of the carrier tables of slots 1-4, the auxiliary table and
// the record-free templates.
const QStringList& carrierTables();
QString carrierTableOfSlot(int slot); // "AudioS", "Audio1" ... "Audio3"
QString programCodeOfSlot(int slot);  // "AS", "A1" ... "A3"

} // namespace layouts
