#include "PrinterOffset.h"

#include "FieldCodec.h"

#include "IniFile.h"

namespace {
const QString kSection = QStringLiteral("PosunTisku");

// Printer names may hold anything; the key keeps letters and digits only.
QString keyOf(const QString& printer, QChar axis)
{
    QString key;
    for (QChar c : printer)
        key += c.isLetterOrNumber() ? c : QChar('_');
    return (key.isEmpty() ? QStringLiteral("Vychozi") : key) + axis;
}

qreal number(const QString& text)
{
    return fieldcodec::parseNumber(text, QLocale::c()).value_or(0);
}
} // namespace

QPointF PrinterOffset::read(const QString& programIni, const QString& printer)
{
    const IniFile ini(programIni);
    return {number(ini.readString(kSection, keyOf(printer, 'X'))),
            number(ini.readString(kSection, keyOf(printer, 'Y')))};
}

Status PrinterOffset::write(const QString& programIni, const QString& printer,
                            const QPointF& offset)
{
    const IniFile ini(programIni);
    if (Status s = ini.writeString(kSection, keyOf(printer, 'X'), QString::number(offset.x())); !s)
        return s;
    return ini.writeString(kSection, keyOf(printer, 'Y'), QString::number(offset.y()));
}
