#include "TInfoNajit1Dialog.h"

TInfoNajit1Dialog::TInfoNajit1Dialog(HlavniSluzby& sluzby)
    : TInfoNajitDialog(sluzby, search::Shape::PerTrack, QStringLiteral("InfoNajit1Dialog"))
{
}
