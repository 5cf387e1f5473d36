#include "FrontPicture.h"

#include "Metafile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>

QStringList FrontPicture::fileFilters()
{
    return {QStringLiteral("Všechny povolené (*.bmp *.ico *.emf *.wmf)"),
            QStringLiteral("Bitmapy (*.bmp)"), QStringLiteral("Ikony (*.ico)")};
}

Status FrontPicture::load(const QString& path, QImage* picture)
{
    const QFileInfo file(path);
    if (!file.isFile()) {
        return Status::error(
            QStringLiteral("Obrázek „%1“ nebyl nalezen. Vyberte jej znovu příkazem "
                           "„Vybrat obrázek pro tisk“, nebo jeho tisk zrušte.")
                .arg(QDir::toNativeSeparators(path)));
    }
    QFile source(path);
    const QByteArray head = source.open(QIODevice::ReadOnly) ? source.peek(64) : QByteArray();
    if (metafile::typeOf(head) != metafile::Type::None) {
        const QImage drawn = metafile::render(source.readAll());
        if (drawn.isNull()) {
            return Status::error(
                QStringLiteral("Obrázek „%1“ nelze načíst: metasoubor je poškozený nebo "
                               "obsahuje jen to, co program neumí vykreslit.")
                    .arg(QDir::toNativeSeparators(path)));
        }
        *picture = drawn;
        return Status::ok();
    }
    QImageReader reader(path);
    reader.setDecideFormatFromContent(true);
    const QImage loaded = reader.read();
    if (loaded.isNull()) {
        return Status::error(
            QStringLiteral("Obrázek „%1“ nelze načíst: soubor je poškozený nebo to není "
                           "bitmapa ani ikona.")
                .arg(QDir::toNativeSeparators(path)),
            reader.errorString());
    }
    *picture = loaded;
    return Status::ok();
}
