#include "ProgramFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace {
QString withSlash(QString folder)
{
    if (!folder.endsWith(QLatin1Char('/')))
        folder += QLatin1Char('/');
    return folder;
}
} // namespace

ProgramFolder::ProgramFolder(const QString& programFolder)
    : m_program(withSlash(QDir::cleanPath(QFileInfo(programFolder).absoluteFilePath())))
{
}

ProgramFolder ProgramFolder::ofApplication()
{
    return ProgramFolder(QCoreApplication::applicationDirPath());
}

QString ProgramFolder::dataFolder() const
{
    return withSlash(findFile(m_program, QStringLiteral("Data")));
}

QString ProgramFolder::templateFolder() const
{
    return withSlash(findFile(dataFolder(), QStringLiteral("Zaloha")));
}

QString ProgramFolder::soundFolder() const
{
    return withSlash(findFile(m_program, QStringLiteral("Zvuky")));
}

QString ProgramFolder::programIniPath() const
{
    return findFile(m_program, QStringLiteral("Fonarium2000.ini"));
}

QString ProgramFolder::suiteIniPath() const
{
    return findFile(m_program, QStringLiteral("Korvex.ini"));
}

QString ProgramFolder::findFile(const QString& folder, const QString& name)
{
    const QString base = withSlash(folder);
    if (QFileInfo::exists(base + name))
        return base + name;
    const QDir dir(base);
    const QStringList entries =
        dir.entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden);
    for (const QString& entry : entries) {
        if (entry.compare(name, Qt::CaseInsensitive) == 0)
            return base + entry;
    }
    return base + name;
}

bool ProgramFolder::fileExists(const QString& folder, const QString& name)
{
    return QFileInfo::exists(findFile(folder, name));
}
