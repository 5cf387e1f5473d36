#include "TDatabaze2Dialog.h"

TDatabaze2Dialog::TDatabaze2Dialog(HlavniSluzby& sluzby, TDotazKonecDialog* dotaz, QWidget* parent)
    : TDatabazeDialog(2, sluzby, dotaz, parent)
{
}
