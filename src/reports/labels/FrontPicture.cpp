#include "FrontPicture.h"

#include <QDir>
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
    const QString suffix = file.suffix().toLower();
    if (suffix == QLatin1String("emf") || suffix == QLatin1String("wmf")) {
        return Status::error(
            QStringLiteral("Obrázek „%1“ je metasoubor Windows (EMF, WMF), který tato verze "
                           "programu neumí načíst. Uložte jej jako bitmapu (BMP).")
                .arg(QDir::toNativeSeparators(path)));
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
