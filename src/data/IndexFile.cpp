#include "IndexFile.h"

#include <QFile>
#include <QSaveFile>

namespace indexfile {
namespace {
const QByteArray kMagic = "FONARIUM-MDX 1";
constexpr qint64 kMaxSize = 64 * 1024;
} // namespace

Status write(const QString& path, const TableLayout& layout)
{
    QByteArray text = kMagic + "\nTABLE " + layout.baseName.toLatin1() + '\n';
    for (const IndexTag& tag : layout.tags)
        text += "TAG " + tag.name.toLatin1() + ' ' + tag.fields.join('+').toLatin1() + '\n';
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(text) != text.size() || !file.commit())
        return Status::error(QStringLiteral("Indexový soubor nelze zapsat."),
                             path + QStringLiteral(": ") + file.errorString());
    return Status::ok();
}

std::optional<QList<IndexTag>> read(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() > kMaxSize)
        return std::nullopt;
    const QList<QByteArray> lines = file.readAll().split('\n');
    if (lines.isEmpty() || lines.first().trimmed() != kMagic)
        return std::nullopt;
    QList<IndexTag> tags;
    for (const QByteArray& line : lines) {
        const QList<QByteArray> parts = line.trimmed().split(' ');
        if (parts.size() != 3 || parts.at(0) != "TAG")
            continue;
        IndexTag tag{QString::fromLatin1(parts.at(1)), {}};
        for (const QByteArray& field : parts.at(2).split('+'))
            tag.fields.append(QString::fromLatin1(field));
        tags.append(tag);
    }
    return tags;
}

} // namespace indexfile
