#include "WorkingFolder.h"

#include "ProgramFolder.h"
#include "ProgramLayout.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>

namespace workingfolder {
namespace {

QString withSlash(const QString& folder)
{
    return folder.endsWith(QLatin1Char('/')) ? folder : folder + QLatin1Char('/');
}

Status unusable(const QString& folder, const QString& detail = {})
{
    return Status::error(QStringLiteral("Do složky %1 nelze ukládat data programu. Zkontrolujte "
                                        "práva ke složce, nebo spusťte program s volbou "
                                        "--slozka a jinou složkou.")
                             .arg(QDir::toNativeSeparators(folder)),
                         detail);
}

// What the installed program folder ships, copied where the per-user folder
// lacks it; nothing there is ever replaced.
Status copyMissing(const QString& from, const QString& to)
{
    for (const char* part : {"Data", "Zvuky"}) {
        const QString source = ProgramFolder::findFile(from, QString::fromLatin1(part));
        QDirIterator files(source, QDir::Files, QDirIterator::Subdirectories);
        while (files.hasNext()) {
            const QString file = files.next();
            const QString target = to + QString::fromLatin1(part) + file.mid(source.size());
            if (QFileInfo::exists(target))
                continue;
            if (!QDir().mkpath(QFileInfo(target).path()) || !QFile::copy(file, target))
                return unusable(to, QStringLiteral("copy %1 to %2").arg(file, target));
            // An installed file is read-only; the user's copy must not be.
            QFile::setPermissions(target, QFile::permissions(target) | QFile::WriteOwner |
                                              QFile::ReadOwner);
        }
    }
    return Status::ok();
}

Status layOutWritable(const QString& folder)
{
    if (!QDir().mkpath(folder) || !isWritable(folder))
        return unusable(folder);
    if (Status s = programlayout::layOut(folder); !s)
        return s;
    const QString data = ProgramFolder(folder).dataFolder();
    return isWritable(data) ? Status::ok() : unusable(data);
}

} // namespace

QString perUserFolder()
{
    QString base = qEnvironmentVariable("XDG_DATA_HOME");
    if (base.isEmpty() || !QDir::isAbsolutePath(base))
        base = QDir::homePath() + QStringLiteral("/.local/share");
    return withSlash(QDir::cleanPath(base + QStringLiteral("/Korvex")));
}

bool isWritable(const QString& folder)
{
    if (!QFileInfo(folder).isDir())
        return false;
    // Permission bits do not tell everything: a read-only mount, or a folder
    // another user owns but grants through groups.
    QTemporaryFile probe(withSlash(folder) + QStringLiteral(".fonarium-XXXXXX"));
    return probe.open();
}

Choice choose(const QString& programFolder, const QString& explicitFolder)
{
    if (!explicitFolder.isEmpty())
        return {ProgramFolder(explicitFolder).programFolder(), false};
    const QString own = ProgramFolder(programFolder).programFolder();
    const QString data = ProgramFolder(own).dataFolder();
    if (isWritable(own) && (!QFileInfo(data).isDir() || isWritable(data)))
        return {own, false};
    return {perUserFolder(), true};
}

Status prepare(const Choice& choice, const QString& programFolder)
{
    if (!choice.perUser)
        return layOutWritable(choice.folder);
    if (!QDir().mkpath(choice.folder) || !isWritable(choice.folder))
        return unusable(choice.folder);
    if (Status s = copyMissing(ProgramFolder(programFolder).programFolder(), choice.folder); !s)
        return s;
    return layOutWritable(choice.folder);
}

} // namespace workingfolder
