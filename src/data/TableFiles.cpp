#include "TableFiles.h"

#include "DbfFile.h"
#include "IndexFile.h"
#include "ProgramFolder.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace tablefiles {
namespace {

const QStringList kExtensions = {QStringLiteral(".dbf"), QStringLiteral(".dbt"),
                                 QStringLiteral(".mdx")};

QString pathOf(const QString& folder, const QString& baseName, const QString& extension)
{
    return ProgramFolder::findFile(folder, baseName + extension);
}

// Copies through a file beside the target, so a failed copy leaves the old data.
Status copyOver(const QString& from, const QString& to)
{
    QFile source(from);
    if (!source.open(QIODevice::ReadOnly))
        return Status::error(
            QStringLiteral("Šablona %1 chybí nebo ji nelze číst.").arg(QFileInfo(from).fileName()),
            from);
    QSaveFile target(to);
    if (!target.open(QIODevice::WriteOnly))
        return Status::error(
            QStringLiteral("Soubor %1 nelze přepsat.").arg(QFileInfo(to).fileName()),
            target.errorString());
    const QByteArray bytes = source.readAll();
    if (target.write(bytes) != bytes.size() || !target.commit())
        return Status::error(
            QStringLiteral("Soubor %1 nelze přepsat.").arg(QFileInfo(to).fileName()),
            target.errorString());
    return Status::ok();
}

} // namespace

QString dbfPath(const QString& folder, const QString& baseName)
{
    return pathOf(folder, baseName, QStringLiteral(".dbf"));
}

QString memoPath(const QString& folder, const QString& baseName)
{
    return pathOf(folder, baseName, QStringLiteral(".dbt"));
}

QString indexPath(const QString& folder, const QString& baseName)
{
    return pathOf(folder, baseName, QStringLiteral(".mdx"));
}

Status writeEmptyMemo(const QString& path)
{
    // dBase III memo header: next free block 1, block size 512.
    QByteArray header(512, '\0');
    header[0] = 1;
    header[16] = 0x03;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(header) != header.size() || !file.commit())
        return Status::error(
            QStringLiteral("Soubor %1 nelze vytvořit.").arg(QFileInfo(path).fileName()),
            file.errorString());
    return Status::ok();
}

Status create(const QString& folder, const TableLayout& layout, const QString& memoExtension,
              const QString& indexExtension)
{
    const QString base = ProgramFolder(folder).programFolder() + layout.baseName;
    if (Status s = DbfFile::create(base + QStringLiteral(".dbf"), layout); !s)
        return s;
    if (!memoExtension.isEmpty()) {
        if (Status s = writeEmptyMemo(base + memoExtension); !s)
            return s;
    }
    if (!layout.hasIndexFile() || indexExtension.isEmpty())
        return Status::ok();
    return indexfile::write(base + indexExtension, layout);
}

Status recreateFromTemplate(const QString& templateFolder, const QString& dataFolder,
                            const QString& baseName)
{
    for (const QString& extension : kExtensions) {
        const QString from = pathOf(templateFolder, baseName, extension);
        if (!QFileInfo::exists(from))
            return Status::error(
                QStringLiteral("Chybí šablona databáze %1.").arg(baseName + extension), from);
    }
    for (const QString& extension : kExtensions) {
        Status s = copyOver(pathOf(templateFolder, baseName, extension),
                            pathOf(dataFolder, baseName, extension));
        if (!s)
            return s;
    }
    return Status::ok();
}

Status remove(const QString& dataFolder, const QString& baseName)
{
    for (const QString& extension : kExtensions) {
        const QString path = pathOf(dataFolder, baseName, extension);
        if (QFileInfo::exists(path) && !QFile::remove(path))
            return Status::error(
                QStringLiteral("Soubor %1 nelze smazat.").arg(QFileInfo(path).fileName()), path);
    }
    return Status::ok();
}

bool exists(const QString& folder, const QString& baseName)
{
    return QFileInfo::exists(dbfPath(folder, baseName));
}

} // namespace tablefiles
