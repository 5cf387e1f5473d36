#pragma once

#include <QObject>
#include <QString>

class TTable;

// Walks the tips of the day in the tips table (Table6). Both the tips window
// and the tip line of the main window's tips toolbar go through the same
// stepper, so they always show the same row.
//
// The steps wrap around through the table's beginning and end marks: next on
// the last tip only sets the end mark, the following next goes to the first
// tip; previous on the first tip only sets the beginning mark. The table
// stands at its beginning mark right after opening, so there previous jumps
// to the last tip at once.
class TipStepper final : public QObject
{
    Q_OBJECT

public:
    explicit TipStepper(TTable* table, QObject* parent = nullptr);

    // Opens the tips table when its file is in the data folder and closes it
    // when the file has gone. A table that is already open keeps its row.
    // Returns whether tips can be shown.
    bool open();

    // The table is open and holds at least one tip.
    bool isAvailable() const;

    // The text of the current tip, empty when there is none.
    QString tip() const;
    // The 0-based row of the current tip, -1 when there is none.
    int row() const;

    void previous();
    void next();

    TTable* table() const { return m_table; }

signals:
    // The row shown has changed (a step, the table opened or closed, the tip edited).
    void tipChanged(const QString& tip);
    void availabilityChanged(bool available);

private:
    void followTable();
    bool fileIsThere() const;

    TTable* m_table;
    bool m_available = false;
};
