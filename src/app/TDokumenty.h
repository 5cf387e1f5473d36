#pragma once

#include <QList>
#include <QMdiArea>
#include <QPixmap>
#include <QRect>

// The document area of the main window, holding the database windows. It
// shows the program's picture at its upper left and knows the arrangements
// of the Okno menu. A database window is recognised by its name
// "Databaze1Dialog" ... "Databaze4Dialog", given either to the sub-window or
// to the widget inside it.
class TDokumenty final : public QMdiArea
{
    Q_OBJECT

public:
    explicit TDokumenty(QWidget* parent = nullptr);

    // Full-width strips from top to bottom; the Windows horizontal tiling.
    static QList<QRect> horizontalTiles(const QRect& area, int count);
    // Full-height columns from left to right.
    static QList<QRect> verticalTiles(const QRect& area, int count);
    // Minimised windows lie in rows along the bottom, left to right.
    static QList<QPoint> iconPositions(const QRect& area, const QSize& icon, int count);

    void tileHorizontally();
    void tileVertically();
    void minimiseAll();
    void arrangeIcons();
    // Gives a window the size of its content area, leaving its frame as it is.
    static void setClientSize(QMdiSubWindow* window, const QSize& size);

    // 1-4 for a database window, 0 for any other.
    static int slotOf(const QMdiSubWindow* window);
    QMdiSubWindow* databaseWindow(int slot) const;
    // The database window in front, even while another top-level window (a
    // balloon, the figure) has the focus.
    QMdiSubWindow* currentDatabaseWindow() const;
    int currentSlot() const;
    bool hasDatabaseWindow() const;

signals:
    // A window came or went; the window list and the commands follow.
    void windowsChanged();

protected:
    void paintEvent(QPaintEvent* event) override;
    bool viewportEvent(QEvent* event) override;

private:
    void tile(QList<QRect> (*arrangement)(const QRect&, int));
    QList<QMdiSubWindow*> windows(bool minimised) const;
    QRect tilingArea() const;

    QPixmap m_picture;
};
