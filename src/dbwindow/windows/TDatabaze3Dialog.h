#pragma once

#include "TDatabazeDialog.h"

// The window of optional database 2, slot 3.
class TDatabaze3Dialog final : public TDatabazeDialog
{
    Q_OBJECT

public:
    explicit TDatabaze3Dialog(HlavniSluzby& sluzby, TDotazKonecDialog* dotaz,
                              QWidget* parent = nullptr);
};
