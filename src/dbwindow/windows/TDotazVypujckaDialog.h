#pragma once

#include "TBublinaOtazka.h"

class QLineEdit;

// The warning that a window cannot close while its loan card is being
// edited: the card's changes must be saved or undone first. `Kontrola` holds
// the slot of that window. "Ok" only closes the warning; the window stays
// with its card in editing, and an exit that raised the warning is not
// taken up again.
class TDotazVypujckaDialog final : public TBublinaOtazka
{
    Q_OBJECT

public:
    explicit TDotazVypujckaDialog(HlavniSluzby& sluzby, QWidget* parent = nullptr);

    // Warns about the card of slot 1-4 in the database listed as `name`.
    void warn(int slot, const QString& name);
    int slot() const;
    QString databaseName() const;

protected:
    void yes() override { hide(); }

private:
    QLabel* m_name;
    QLineEdit* m_kontrola;
};
