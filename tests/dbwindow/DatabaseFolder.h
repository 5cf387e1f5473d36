#pragma once

#include "IniFile.h"
#include "ProgramFolder.h"
#include "ProgramLayout.h"
#include "TTable.h"
#include "TestProgramFolder.h"

#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QTest>

// A program folder laid out as for a new user, in a temporary place, with
// what the database tests read and write there.
class DatabaseFolder : public TestProgramFolder
{
public:
    bool exists(const QString& file) const { return QFile::exists(data(file)); }
    QByteArray bytes(const QString& file) const
    {
        QFile f(data(file));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

    QByteArray iniBytes() const
    {
        QFile f(folder().programIniPath());
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

    // -1 when the table does not open.
    int records(const QString& table) const
    {
        TTable t;
        t.setDatabaseName(folder().dataFolder());
        t.setTableName(table);
        return t.open() ? t.recordCount() : -1;
    }
    void addCarriers(const QString& table, const QStringList& titles) const
    {
        TTable t;
        t.setDatabaseName(folder().dataFolder());
        t.setTableName(table);
        QVERIFY(t.open());
        int number = t.recordCount();
        for (const QString& title : titles) {
            QVERIFY(t.insert());
            QVERIFY(t.setFieldText(QStringLiteral("CISLO"), QString::number(++number)));
            QVERIFY(t.setFieldText(QStringLiteral("DRUH"), QStringLiteral("LP")));
            QVERIFY(t.setFieldText(QStringLiteral("NAZEV"), title));
            QVERIFY(t.setFieldText(QStringLiteral("CELKEM"), QStringLiteral("42")));
            QVERIFY(t.post());
        }
    }
};

// The rows of a picture where pure red runs, grouped into bands of
// neighbouring rows: one band per strike line.
inline QList<QPair<int, int>> redBands(const QImage& picture)
{
    QList<QPair<int, int>> bands;
    for (int y = 0; y < picture.height(); ++y) {
        bool red = false;
        for (int x = 0; x < picture.width() && !red; ++x)
            red = picture.pixelColor(x, y) == QColor(0xff, 0, 0);
        if (!red)
            continue;
        if (!bands.isEmpty() && bands.last().second == y - 1)
            bands.last().second = y;
        else
            bands.append({y, y});
    }
    return bands;
}

// Runs a click the way a user can: only on an existing, enabled control.
#define CLICK(window, type, name)                                                                  \
    do {                                                                                           \
        const QString name_ = (name);                                                              \
        auto* control_ = (window)->template findChild<type*>(name_);                               \
        QVERIFY2(control_, qPrintable(QStringLiteral("no control ") + name_));                     \
        QVERIFY2(control_->isEnabled(), qPrintable(QStringLiteral("disabled control ") + name_));  \
        control_->click();                                                                         \
    } while (false)
