#include "TInfoOtevritDialog.h"

#include "TKopirovaniAnimace.h"

namespace {

ProgressWindow::Setup setup()
{
    ProgressWindow::Setup values;
    values.name = QStringLiteral("InfoOtevritDialog");
    values.indicator = QStringLiteral("SBO3");
    values.sound = QStringLiteral("Info.wav");
    values.size = TInfoOtevritDialog::kSize;
    for (int position : {14, 28, 42, 56, 70, 84, 100})
        values.phases.append({position, QString()});
    return values;
}

} // namespace

TInfoOtevritDialog::TInfoOtevritDialog(HlavniSluzby& sluzby) : ProgressWindow(sluzby, setup())
{
    m_animace = new TKopirovaniAnimace(this);
    m_animace->move((width() - m_animace->width()) / 2, 8);
}

void TInfoOtevritDialog::started()
{
    m_animace->start();
}

void TInfoOtevritDialog::stopped()
{
    m_animace->stop();
}
