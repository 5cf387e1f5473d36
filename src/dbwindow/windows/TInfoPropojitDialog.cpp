#include "TInfoPropojitDialog.h"

#include "TKopirovaniAnimace.h"

namespace {

// The update reports its own positions; the window has no phases of its own.
ProgressWindow::Setup setup()
{
    ProgressWindow::Setup values;
    values.name = QStringLiteral("InfoPropojitDialog");
    values.indicator = QStringLiteral("SBO3");
    values.sound = QStringLiteral("Info.wav");
    values.size = TInfoPropojitDialog::kSize;
    return values;
}

} // namespace

TInfoPropojitDialog::TInfoPropojitDialog(HlavniSluzby& sluzby) : ProgressWindow(sluzby, setup())
{
    m_animace = new TKopirovaniAnimace(this);
    m_animace->move((width() - m_animace->width()) / 2, 8);
}

void TInfoPropojitDialog::started()
{
    m_animace->start();
}

void TInfoPropojitDialog::stopped()
{
    m_animace->stop();
}
