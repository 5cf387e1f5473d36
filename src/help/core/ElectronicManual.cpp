#include "ElectronicManual.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QStringList>

namespace {
// Follows a relative path from `folder` one name at a time, each without
// regard to letter case; empty when some part is missing.
QString findPath(const QString& folder, const QString& relative)
{
    QString path = folder;
    for (const QString& part : relative.split(QLatin1Char('/'), Qt::SkipEmptyParts)) {
        path = ProgramFolder::findFile(path, part);
        if (!QFileInfo::exists(path))
            return {};
    }
    return path;
}

QString existingFile(const QString& path)
{
    return !path.isEmpty() && QFileInfo(path).isFile() ? path : QString();
}
} // namespace

ElectronicManual::ElectronicManual(const ProgramFolder& folder) : m_folder(folder) {}

QString ElectronicManual::startPage()
{
    return QStringLiteral("Html/Fonarium2000/Index.htm");
}

QString ElectronicManual::launcher() const
{
    const QString& folder = m_folder.programFolder();
    for (const QString& name :
         {QStringLiteral("ManualKorvex.exe"), QStringLiteral("ManualKorvex")}) {
        const QString path = existingFile(ProgramFolder::findFile(folder, name));
        if (!path.isEmpty())
            return path;
    }
    return {};
}

QString ElectronicManual::page() const
{
    return existingFile(findPath(m_folder.programFolder(), startPage()));
}

bool ElectronicManual::isInstalled() const
{
    return !launcher().isEmpty() && !page().isEmpty();
}

bool ElectronicManual::start() const
{
    const QString program = launcher();
    const QString startPage = page();
    if (program.isEmpty() || startPage.isEmpty())
        return false;
    const QDir folder(m_folder.programFolder());
    // The page as it is spelt on the disk, so that a launcher on a
    // case-sensitive file system finds it.
    const QString parameter = folder.relativeFilePath(startPage);
    return QProcess::startDetached(program, {parameter}, m_folder.programFolder());
}
