#include "TDatabaze3Dialog.h"

TDatabaze3Dialog::TDatabaze3Dialog(HlavniSluzby& sluzby, TDotazKonecDialog* dotaz, QWidget* parent)
    : TDatabazeDialog(3, sluzby, dotaz, parent)
{
}
