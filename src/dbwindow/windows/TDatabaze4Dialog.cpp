#include "TDatabaze4Dialog.h"

TDatabaze4Dialog::TDatabaze4Dialog(HlavniSluzby& sluzby, TDotazKonecDialog* dotaz, QWidget* parent)
    : TDatabazeDialog(4, sluzby, dotaz, parent)
{
}
