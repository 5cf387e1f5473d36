#pragma once

#include "IniFile.h"
#include "ProgramFolder.h"
#include "ProgramLayout.h"
#include "TTable.h"
#include "TableFiles.h"
#include "TableLayout.h"
#include "TestProgramFolder.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

// A temporary program folder laid out as for a new user, optionally with a
// tips table of its own ("Tip 1", "Tip 2", ...) in place of the shipped tips.
class HelpFolder : public TestProgramFolder
{
public:
    HelpFolder() { QVERIFY(isValid()); }

    static QString tipText(int number) { return QStringLiteral("Tip %1").arg(number); }

    void replaceTips(int count) const
    {
        const QString data = folder().dataFolder();
        QVERIFY(tablefiles::remove(data, QStringLiteral("TipyA")));
        QVERIFY(tablefiles::create(data, layouts::tips(), {}, {}));
        TTable table;
        table.setDatabaseName(data);
        table.setTableName(QStringLiteral("TipyA.dbf"));
        QVERIFY(table.open());
        for (int i = 1; i <= count; ++i) {
            QVERIFY(table.insert());
            QVERIFY(table.setFieldText(QStringLiteral("TIPDNE"), tipText(i)));
            QVERIFY(table.post());
        }
    }

    void removeTips() const
    {
        QVERIFY(QFile::remove(
            ProgramFolder::findFile(folder().dataFolder(), QStringLiteral("TipyA.dbf"))));
    }

    void writeProgram(const QString& section, const QString& key, const QString& value) const
    {
        setKey(section, key, value);
    }
    QString readProgram(const QString& section, const QString& key) const
    {
        return this->key(section, key);
    }
    void writeSuite(const QString& key, const QString& value) const
    {
        QVERIFY(suiteIni().writeString(QStringLiteral("Nastaveni"), key, value));
    }
    QString readSuite(const QString& key) const
    {
        return suiteIni().readString(QStringLiteral("Nastaveni"), key);
    }
};
