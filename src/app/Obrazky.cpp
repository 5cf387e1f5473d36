#include "Obrazky.h"

#include <QFile>
#include <QHash>
#include <QPainter>
#include <QSvgRenderer>

namespace {

QByteArray svgText(const QString& name)
{
    QFile file(QStringLiteral(":/obrazky/%1.svg").arg(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QPixmap render(const QByteArray& svg, const QSize& size, const QRectF& area = {})
{
    QPixmap pixmap(size);
    pixmap.fill(Qt::transparent);
    QSvgRenderer renderer(svg);
    if (!area.isNull())
        renderer.setViewBox(area);
    if (renderer.isValid()) {
        QPainter painter(&pixmap);
        renderer.render(&painter);
    }
    return pixmap;
}

} // namespace

namespace obrazky {

QIcon ikona(const QString& name)
{
    // Many buttons share a picture; draw each one once.
    static QHash<QString, QIcon> drawn;
    if (const auto found = drawn.constFind(name); found != drawn.constEnd())
        return *found;
    const QByteArray svg = svgText(name);
    QIcon icon;
    for (int side : {16, 20, 32})
        icon.addPixmap(render(svg, QSize(side, side)));
    drawn.insert(name, icon);
    return icon;
}

QPixmap obrazek(const QString& name, const QSize& size)
{
    return render(svgText(name), size);
}

QPixmap obrazek(const QString& name)
{
    const QByteArray svg = svgText(name);
    return render(svg, QSvgRenderer(svg).defaultSize());
}

QPixmap vyrez(const QString& name, const QRectF& area, const QSize& size)
{
    return render(svgText(name), size, area);
}

QPixmap slot(int slot, const QSize& size)
{
    // Slot 1 is the standard database; the optional ones share one colour family.
    static const char* const colours[] = {"#2e7d32", "#1565c0", "#6a1b9a", "#c62828"};
    const int index = qBound(1, slot, 4) - 1;
    QByteArray svg = svgText(QStringLiteral("slot"));
    svg.replace("%1", QByteArray::number(index + 1));
    svg.replace("%2", colours[index]);
    return render(svg, size);
}

} // namespace obrazky
