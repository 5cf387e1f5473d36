#pragma once

#include "TDatabazeDialog.h"

// The window of optional database 3, slot 4.
class TDatabaze4Dialog final : public TDatabazeDialog
{
    Q_OBJECT

public:
    explicit TDatabaze4Dialog(HlavniSluzby& sluzby, TDotazKonecDialog* dotaz,
                              QWidget* parent = nullptr);
};
