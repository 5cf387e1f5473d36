#pragma once

#include <QList>
#include <QWidget>

class QLabel;

// Track numbers in a grid of cells separated by thin lines. The live grids of
// the fill display name their numbers (L1 ..., Z1 ...); the grey copies on the
// covers do not.
class TCislaMrizka final : public QWidget
{
    Q_OBJECT

public:
    struct Shape
    {
        QString prefix; // object names prefix + track; empty: no names
        int firstTrack; // the track of the first cell
        int count;      // cells, filled row by row
        int columns;
        int firstCaption; // caption of the first cell
    };

    TCislaMrizka(const Shape& shape, QWidget* parent);

    // Black for a track with a title, grey for one without.
    void setTitled(int cell, bool titled);
    void setAllGrey();
    QLabel* cell(int index) const { return m_cells.at(index); }
    int count() const { return int(m_cells.size()); }

    static QColor titledColour() { return {0, 0, 0}; }
    static QColor untitledColour() { return {128, 128, 128}; }

protected:
    void resizeEvent(QResizeEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    QRect cellRect(int index) const;
    int rows() const;

    QList<QLabel*> m_cells;
    int m_columns;
};
