#include "TInfoCsvDialog.h"

TInfoCsvDialog::TInfoCsvDialog(HlavniSluzby& sluzby)
    : ProgressWindow(sluzby,
                     informationSetup(QStringLiteral("InfoCsvDialog"), kSize, {20, 60, 90, 100}))
{
}
