#pragma once

#include "Status.h"

#include <QPointF>
#include <QString>

// How far a printer puts the paper off from where it is told, in millimetres
// (x to the right, y down), kept per printer in the program settings. Every
// label and list printed on it is moved by this, so that cut lines meet.
class PrinterOffset final
{
public:
    static QPointF read(const QString& programIni, const QString& printer);
    static Status write(const QString& programIni, const QString& printer, const QPointF& offset);
};
