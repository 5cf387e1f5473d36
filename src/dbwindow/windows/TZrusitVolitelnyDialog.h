#pragma once

#include "Status.h"
#include "TBublinaOtazka.h"

// The question whether to delete an optional database with all its records.
// The number of the database stands in the gap of the question (`Label3`).
class TZrusitVolitelnyDialog final : public TBublinaOtazka
{
    Q_OBJECT

public:
    explicit TZrusitVolitelnyDialog(HlavniSluzby& sluzby, QWidget* parent = nullptr);

    // Asks about optional database 1-3.
    void ask(int optional);
    int optional() const;

signals:
    void removed(int optional);
    void failed(const Status& status);

protected:
    void yes() override;

private:
    void placeNumber();

    QLabel* m_number;
};
