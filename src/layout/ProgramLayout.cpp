#include "ProgramLayout.h"

#include "EventSounds.h"
#include "IniFile.h"
#include "ProgramFolder.h"
#include "TTable.h"
#include "TableFiles.h"
#include "TableLayout.h"
#include "TipsOfTheDay.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

namespace programlayout {
namespace {

const QString kNotCreated = QStringLiteral("Uživatelsky definovatelná databáze programu Fonarium");

Status makeFolder(const QString& path, Report* report)
{
    if (QFileInfo(path).isDir())
        return Status::ok();
    if (!QDir().mkpath(path))
        return Status::error(QStringLiteral("Složku %1 nelze vytvořit.").arg(path));
    report->created.append(path);
    return Status::ok();
}

Status createTable(const QString& folder, const TableLayout& layout, const QString& memo,
                   const QString& index, Report* report)
{
    if (tablefiles::exists(folder, layout.baseName))
        return Status::ok();
    if (Status s = tablefiles::create(folder, layout, memo, index); !s)
        return s;
    report->created.append(folder + layout.baseName + QStringLiteral(".dbf"));
    return Status::ok();
}

Status fillTips(const QString& dataFolder)
{
    TTable table;
    table.setDatabaseName(dataFolder);
    table.setTableName(QStringLiteral("TipyA.dbf"));
    if (Status s = table.open(); !s)
        return s;
    for (const QString& tip : tipsOfTheDay()) {
        Status s = table.insert();
        if (s)
            s = table.setFieldText(QStringLiteral("TIPDNE"), tip);
        if (s)
            s = table.post();
        if (!s)
            return s;
    }
    return Status::ok();
}

Status createTips(const QString& dataFolder, Report* report)
{
    if (tablefiles::exists(dataFolder, QStringLiteral("TipyA")))
        return Status::ok();
    if (Status s = createTable(dataFolder, layouts::tips(), {}, {}, report); !s)
        return s;
    return fillTips(dataFolder);
}

Status writeFile(const QString& path, const QByteArray& bytes, Report* report)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        return Status::error(QStringLiteral("Soubor %1 nelze vytvořit.").arg(path),
                             file.errorString());
    report->created.append(path);
    return Status::ok();
}

// The suite file may already hold sibling programs' settings; only our keys
// that are missing are added.
Status completeSuiteIni(const ProgramFolder& folder)
{
    const IniFile ini(folder.suiteIniPath());
    const QString section = QStringLiteral("Nastaveni");
    for (const QString& key : {QStringLiteral("Pomocnik"), QStringLiteral("Uvitani")}) {
        if (!ini.readString(section, key).isEmpty())
            continue;
        if (Status s = ini.writeString(section, key, QStringLiteral("1")); !s)
            return s;
    }
    return Status::ok();
}

Status layOutData(const ProgramFolder& folder, Report* report)
{
    const QString data = folder.programFolder() + QStringLiteral("Data/");
    const QString templates = data + QStringLiteral("Zaloha/");
    if (Status s = makeFolder(templates, report); !s)
        return s;
    for (const QString& name : layouts::carrierTables()) {
        Status s = createTable(templates, layouts::carrier(name), QStringLiteral(".Dbt"),
                               QStringLiteral(".Mdx"), report);
        if (!s)
            return s;
    }
    Status s = createTable(data, layouts::carrier(QStringLiteral("AudioS")), QStringLiteral(".dbt"),
                           QStringLiteral(".mdx"), report);
    if (s)
        s = createTable(data, layouts::loanRegister(), {}, QStringLiteral(".MDX"), report);
    if (s)
        s = createTips(data, report);
    return s;
}

} // namespace

QByteArray defaultProgramIni()
{
    QByteArray text = "[Zobrazit]\n";
    for (const char* key :
         {"Standardni", "Okna", "Databaze", "TipyDne", "StavovyRadek", "PanelOutlook", "Tipy"})
        text += QByteArray(key) + "=1\n";
    text += "\n[Otevreni]\nDatabaze1=0\nDatabaze2=0\nDatabaze3=0\nDatabaze4=0\n";
    text += "\n[Volitelne]\n";
    for (int i = 1; i <= 3; ++i)
        text += "Data" + QByteArray::number(i) + '=' + kNotCreated.toUtf8() + '\n';
    text += "\n[Kontrola]\nPomocna=0\nPomocna1=0\nTipy=0\n";
    text += "\n[Obrazek]\nObrazek=\n";
    return text;
}

Status layOut(const QString& programFolder, Report* report)
{
    Report local;
    Report* r = report ? report : &local;
    const ProgramFolder folder(programFolder);
    if (Status s = makeFolder(folder.programFolder(), r); !s)
        return s;
    if (Status s = layOutData(folder, r); !s)
        return s;
    const QString sounds = folder.programFolder() + QStringLiteral("Zvuky/");
    if (Status s = makeFolder(sounds, r); !s)
        return s;
    if (Status s = writeEventSounds(folder.soundFolder()); !s)
        return s;
    if (!QFileInfo::exists(folder.programIniPath())) {
        if (Status s = writeFile(folder.programIniPath(), defaultProgramIni(), r); !s)
            return s;
    }
    return completeSuiteIni(folder);
}

} // namespace programlayout
