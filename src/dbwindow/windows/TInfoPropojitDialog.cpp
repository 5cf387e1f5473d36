#include "TInfoPropojitDialog.h"

#include "TKopirovaniAnimace.h"

// The update reports its own positions; the window has no phases of its own.
TInfoPropojitDialog::TInfoPropojitDialog(HlavniSluzby& sluzby)
    : ProgressWindow(sluzby, informationSetup(QStringLiteral("InfoPropojitDialog"), kSize))
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
