#pragma once

#include "DatabaseFolder.h"
#include "TTable.h"

#include <QStringList>
#include <QTest>

// Carriers for the search tests, written into a database of a laid-out
// program folder through the table engine.
struct Carrier
{
    QString number = {};
    QString title = {};
    QString kind = QStringLiteral("Audio CD");
    QString performer = {};
    QStringList tracks = {}; // by position; an empty text leaves the track empty
    QString loan = {};
    QString genre = {};
};

inline void addCarriers(const DatabaseFolder& folder, const QString& table,
                        const QList<Carrier>& carriers)
{
    TTable t;
    t.setDatabaseName(folder.folder().dataFolder());
    t.setTableName(table);
    QVERIFY(t.open());
    for (const Carrier& c : carriers) {
        QVERIFY(t.insert());
        QVERIFY(t.setFieldText(QStringLiteral("CISLO"), c.number));
        QVERIFY(t.setFieldText(QStringLiteral("DRUH"), c.kind));
        QVERIFY(t.setFieldText(QStringLiteral("NAZEV"), c.title));
        QVERIFY(t.setFieldText(QStringLiteral("INTERPRET"), c.performer));
        QVERIFY(t.setFieldText(QStringLiteral("PUJCENO"), c.loan));
        QVERIFY(t.setFieldText(QStringLiteral("ZANR"), c.genre));
        QVERIFY(t.setFieldText(QStringLiteral("CELKEM"), QStringLiteral("42")));
        for (int k = 0; k < c.tracks.size(); ++k)
            QVERIFY(t.setFieldText(QStringLiteral("A%1").arg(k + 1), c.tracks.at(k)));
        QVERIFY(t.post());
    }
}

// The values of some fields of every row of a table in physical order, one
// string per row, the values joined by "|".
inline QStringList rowsOf(const DatabaseFolder& folder, const QString& table,
                          const QStringList& fields)
{
    TTable t;
    t.setDatabaseName(folder.folder().dataFolder());
    t.setTableName(table);
    if (!t.setIndex(QString()) || !t.open())
        return {QStringLiteral("<does not open>")};
    QStringList rows;
    for ((void)t.first(); !t.eof(); (void)t.next()) {
        QStringList values;
        for (const QString& field : fields)
            values << t.fieldText(field);
        rows << values.join(QLatin1Char('|'));
    }
    return rows;
}
