#include "TInfoCsvDialog.h"

namespace {

ProgressWindow::Setup setup()
{
    ProgressWindow::Setup values;
    values.name = QStringLiteral("InfoCsvDialog");
    values.indicator = QStringLiteral("SBO3");
    values.sound = QStringLiteral("Info.wav");
    values.size = TInfoCsvDialog::kSize;
    for (int position : {20, 60, 90, 100})
        values.phases.append({position, QString()});
    return values;
}

} // namespace

TInfoCsvDialog::TInfoCsvDialog(HlavniSluzby& sluzby) : ProgressWindow(sluzby, setup()) {}
