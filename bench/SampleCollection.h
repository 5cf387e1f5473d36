#pragma once

#include "CarrierGenerator.h"
#include "ProgramFolder.h"
#include "ProgramLayout.h"
#include "TTable.h"

#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>

// A program folder laid out in a temporary place with generated carriers in
// its standard database, made once for the benchmarks of one program.
struct SampleCollection
{
    QTemporaryDir dir;
    QString dataFolder;
    QString sourcePath; // the carrier table

    explicit SampleCollection(int carriers)
    {
        if (!programlayout::layOut(dir.path()))
            std::abort();
        dataFolder = ProgramFolder(dir.path()).dataFolder();
        TTable table;
        table.setDatabaseName(dataFolder);
        table.setTableName(QStringLiteral("AudioS.dbf"));
        (void)table.setIndex(QStringLiteral("CISLO"));
        if (!table.open())
            std::abort();
        const Status s =
            CarrierGenerator(2000).fill(&table, nullptr, QStringLiteral("AS"), 1, carriers);
        if (!s)
            std::fprintf(stderr, "%s\n", qPrintable(s.toString()));
        sourcePath = table.filePath();
    }
};
