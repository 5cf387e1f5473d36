#pragma once

#include "IniFile.h"
#include "ProgramFolder.h"
#include "ProgramLayout.h"

#include <QTemporaryDir>
#include <QTest>

// A program folder laid out as the program lays out its own for a new user,
// in a temporary place, with its settings files at hand. The fixtures of the
// test programs add what their tests need on top of it.
class TestProgramFolder
{
public:
    TestProgramFolder()
    {
        if (m_dir.isValid())
            m_laidOut = programlayout::layOut(m_dir.path()).isOk();
    }

    bool isValid() const { return m_dir.isValid() && m_laidOut; }
    ProgramFolder folder() const { return ProgramFolder(m_dir.path()); }
    QString path() const { return m_dir.path(); }
    // A file of the data folder.
    QString data(const QString& file) const { return folder().dataFolder() + file; }

    IniFile programIni() const { return IniFile(folder().programIniPath()); }
    IniFile suiteIni() const { return IniFile(folder().suiteIniPath()); }
    QString key(const QString& section, const QString& key) const
    {
        return programIni().readString(section, key);
    }
    void setKey(const QString& section, const QString& key, const QString& value) const
    {
        QVERIFY(programIni().writeString(section, key, value));
    }
    QString zobrazit(const QString& key) const
    {
        return this->key(QStringLiteral("Zobrazit"), key);
    }

private:
    QTemporaryDir m_dir;
    bool m_laidOut = false;
};
