#pragma once

#include "Status.h"
#include "TBublinaOtazka.h"

class QLineEdit;
class TDatabazeDialog;

// The question whether to keep the changes of a record whose window is being
// closed. `Kontrola` holds the slot of that window; `Kontrola2` is the exit
// mark: the exit sets it to the slot whose record stopped it, and when the
// question has been answered with the mark still "1" the exit goes on.
class TDotazKonecDialog final : public TBublinaOtazka
{
    Q_OBJECT

public:
    explicit TDotazKonecDialog(HlavniSluzby& sluzby, QWidget* parent = nullptr);

    // Asks about the record of slot 1-4 in the database listed as `name`.
    void ask(int slot, const QString& name);
    int slot() const;
    QString databaseName() const;

    void setExitMark(int slot);
    QString exitMark() const;
    // Both fields back to "0".
    void resetMarks();

signals:
    // The table refused the record; the window stays with its record.
    void failed(const Status& status);

protected:
    void yes() override;
    void no() override;

private:
    void answer(bool save);
    TDatabazeDialog* askingWindow() const;

    QLabel* m_name;
    QLineEdit* m_kontrola;
    QLineEdit* m_kontrola2;
};
