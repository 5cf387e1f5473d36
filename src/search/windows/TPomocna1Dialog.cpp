#include "TPomocna1Dialog.h"

TPomocna1Dialog::TPomocna1Dialog(HlavniSluzby& sluzby, QWidget* searchDialog)
    : TPomocnaDialog(sluzby, searchDialog, search::Shape::PerTrack,
                     QStringLiteral("Pomocna1Dialog"),
                     QStringLiteral("Vytvořit pomocnou databázi skladeb/prog."))
{
}
