#pragma once

#include "TBublinaOtazka.h"

// The warning of the naming dialog that a name is required. The naming
// dialog stays open beneath it, disabled until the warning is closed.
class TDotazJmenoDialog final : public TBublinaOtazka
{
    Q_OBJECT

public:
    explicit TDotazJmenoDialog(HlavniSluzby& sluzby, QWidget* parent = nullptr);

    // `naming` is the dialog that asked and that waits beneath.
    void warn(QWidget* naming);

protected:
    void yes() override { hide(); }
};
