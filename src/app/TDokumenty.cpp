#include "TDokumenty.h"

#include "Obrazky.h"

#include <QChildEvent>
#include <QMdiSubWindow>
#include <QPainter>
#include <QRegularExpression>
#include <QTimer>

#include <algorithm>

TDokumenty::TDokumenty(QWidget* parent)
    : QMdiArea(parent), m_picture(obrazky::obrazek(QStringLiteral("plocha")))
{
    setObjectName(QStringLiteral("Dokumenty"));
    setBackground(QColor(0x80, 0x80, 0x80));
}

QList<QRect> TDokumenty::horizontalTiles(const QRect& area, int count)
{
    QList<QRect> tiles;
    for (int i = 0; i < count; ++i) {
        const int top = area.top() + area.height() * i / count;
        const int bottom = area.top() + area.height() * (i + 1) / count;
        tiles.append(QRect(area.left(), top, area.width(), bottom - top));
    }
    return tiles;
}

QList<QRect> TDokumenty::verticalTiles(const QRect& area, int count)
{
    QList<QRect> tiles;
    for (const QRect& strip : horizontalTiles(area.transposed(), count))
        tiles.append(QRect(area.left() + strip.top() - area.top(), area.top(), strip.height(),
                           area.height()));
    return tiles;
}

QList<QPoint> TDokumenty::iconPositions(const QRect& area, const QSize& icon, int count)
{
    QList<QPoint> positions;
    const int perRow = std::max(1, area.width() / std::max(1, icon.width()));
    for (int i = 0; i < count; ++i) {
        const int row = i / perRow;
        const int column = i % perRow;
        positions.append(QPoint(area.left() + column * icon.width(),
                                area.bottom() + 1 - (row + 1) * icon.height()));
    }
    return positions;
}

void TDokumenty::tileHorizontally()
{
    tile(&TDokumenty::horizontalTiles);
}

void TDokumenty::tileVertically()
{
    tile(&TDokumenty::verticalTiles);
}

void TDokumenty::tile(QList<QRect> (*arrangement)(const QRect&, int))
{
    const QList<QMdiSubWindow*> open = windows(false);
    const QList<QRect> tiles = arrangement(tilingArea(), int(open.size()));
    for (int i = 0; i < open.size(); ++i) {
        open[i]->showNormal();
        open[i]->setGeometry(tiles[i]);
    }
    arrangeIcons();
}

void TDokumenty::minimiseAll()
{
    QList<QMdiSubWindow*> all = subWindowList(QMdiArea::CreationOrder);
    std::reverse(all.begin(), all.end());
    for (QMdiSubWindow* window : all)
        window->showMinimized();
}

void TDokumenty::arrangeIcons()
{
    const QList<QMdiSubWindow*> icons = windows(true);
    if (icons.isEmpty())
        return;
    const QList<QPoint> places =
        iconPositions(viewport()->rect(), icons.first()->size(), int(icons.size()));
    for (int i = 0; i < icons.size(); ++i)
        icons[i]->move(places[i]);
}

void TDokumenty::setClientSize(QMdiSubWindow* window, const QSize& size)
{
    const QSize content =
        window->widget() ? window->widget()->size() : window->contentsRect().size();
    window->resize(window->size() - content + size);
}

int TDokumenty::slotOf(const QMdiSubWindow* window)
{
    static const QRegularExpression name(QStringLiteral("^Databaze([1-4])Dialog$"));
    if (!window)
        return 0;
    for (const QObject* candidate :
         {static_cast<const QObject*>(window), static_cast<const QObject*>(window->widget())}) {
        if (!candidate)
            continue;
        const QRegularExpressionMatch match = name.match(candidate->objectName());
        if (match.hasMatch())
            return match.captured(1).toInt();
    }
    return 0;
}

QMdiSubWindow* TDokumenty::databaseWindow(int slot) const
{
    for (QMdiSubWindow* window : subWindowList()) {
        if (slotOf(window) == slot)
            return window;
    }
    return nullptr;
}

QMdiSubWindow* TDokumenty::currentDatabaseWindow() const
{
    QMdiSubWindow* current = currentSubWindow();
    return slotOf(current) ? current : nullptr;
}

int TDokumenty::currentSlot() const
{
    return slotOf(currentSubWindow());
}

bool TDokumenty::hasDatabaseWindow() const
{
    const QList<QMdiSubWindow*> all = subWindowList();
    return std::any_of(all.begin(), all.end(), [](QMdiSubWindow* w) { return slotOf(w) != 0; });
}

void TDokumenty::paintEvent(QPaintEvent* event)
{
    QMdiArea::paintEvent(event);
    QPainter painter(viewport());
    painter.drawPixmap(0, 0, m_picture);
}

bool TDokumenty::viewportEvent(QEvent* event)
{
    if (event->type() == QEvent::ChildAdded || event->type() == QEvent::ChildRemoved) {
        // The window is only half made or half gone now; look once it has settled.
        QTimer::singleShot(0, this, &TDokumenty::windowsChanged);
    }
    return QMdiArea::viewportEvent(event);
}

QList<QMdiSubWindow*> TDokumenty::windows(bool minimised) const
{
    QList<QMdiSubWindow*> list;
    for (QMdiSubWindow* window : subWindowList(QMdiArea::CreationOrder)) {
        if (!window->isHidden() && window->isMinimized() == minimised)
            list.append(window);
    }
    return list;
}

QRect TDokumenty::tilingArea() const
{
    QRect area = viewport()->rect();
    const QList<QMdiSubWindow*> icons = windows(true);
    // Leave the bottom row to the icons of minimised windows.
    if (!icons.isEmpty())
        area.setBottom(area.bottom() - icons.first()->height());
    return area;
}
