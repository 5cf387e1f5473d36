#include "TInfoOtevritDialog.h"

#include "TKopirovaniAnimace.h"

TInfoOtevritDialog::TInfoOtevritDialog(HlavniSluzby& sluzby)
    : ProgressWindow(sluzby, informationSetup(QStringLiteral("InfoOtevritDialog"), kSize,
                                              {14, 28, 42, 56, 70, 84, 100}))
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
