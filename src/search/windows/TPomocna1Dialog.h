#pragma once

#include "TPomocnaDialog.h"

// The builder window of the search by track title: the per-track copy.
class TPomocna1Dialog final : public TPomocnaDialog
{
    Q_OBJECT

public:
    TPomocna1Dialog(HlavniSluzby& sluzby, QWidget* searchDialog);
};
