#pragma once

#include "TDatabazeDialog.h"

// The window of the standard database, slot 1.
class TDatabaze1Dialog final : public TDatabazeDialog
{
    Q_OBJECT

public:
    explicit TDatabaze1Dialog(HlavniSluzby& sluzby, TDotazKonecDialog* dotaz,
                              QWidget* parent = nullptr);
};
