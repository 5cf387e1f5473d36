#pragma once

#include <QColor>
#include <QIcon>
#include <QPixmap>
#include <QString>

// The program's own pictures, drawn from the SVG files built into it: toolbar
// and side-bar icons, status-bar indicators and the document-area picture.
// Rendered here rather than through an icon plugin, so a machine without the
// SVG plugin still shows them.
namespace obrazky {

// `name` is the file name without ".svg" ("tisk", "najit").
QIcon ikona(const QString& name);
QPixmap obrazek(const QString& name, const QSize& size);
// The picture at the size its file declares.
QPixmap obrazek(const QString& name);
// Only the part `area` of the picture (in its own units), drawn at `size`.
QPixmap vyrez(const QString& name, const QRectF& area, const QSize& size);

// A carrier disc bearing the slot's digit, in the slot's own colour.
QPixmap slot(int slot, const QSize& size);

} // namespace obrazky
