#include "TDatabaze1Dialog.h"

TDatabaze1Dialog::TDatabaze1Dialog(HlavniSluzby& sluzby, TDotazKonecDialog* dotaz, QWidget* parent)
    : TDatabazeDialog(1, sluzby, dotaz, parent)
{
}
