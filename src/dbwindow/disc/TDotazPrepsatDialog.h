#pragma once

#include "TBublinaOtazka.h"

// Asks before tracks read from a disc replace tracks the record already
// holds. "Ano" or Enter replaces them, "Ne" or Esc leaves the record alone.
class TDotazPrepsatDialog final : public TBublinaOtazka
{
    Q_OBJECT

public:
    explicit TDotazPrepsatDialog(HlavniSluzby& sluzby, QWidget* parent = nullptr);

    void ask() { TBublinaOtazka::ask(); }

signals:
    void answered(bool overwrite);

protected:
    void yes() override;
    void no() override;
};
