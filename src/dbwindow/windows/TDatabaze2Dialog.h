#pragma once

#include "TDatabazeDialog.h"

// The window of optional database 1, slot 2.
class TDatabaze2Dialog final : public TDatabazeDialog
{
    Q_OBJECT

public:
    explicit TDatabaze2Dialog(HlavniSluzby& sluzby, TDotazKonecDialog* dotaz,
                              QWidget* parent = nullptr);
};
