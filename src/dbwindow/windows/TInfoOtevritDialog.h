#pragma once

#include "ProgressWindow.h"

class TKopirovaniAnimace;

// The progress window shown while a database is being opened: the name of
// the database under a file-copy animation, the bar stepping through the
// seven phases of opening. It leaves the assistant figure alone.
class TInfoOtevritDialog final : public ProgressWindow
{
    Q_OBJECT

public:
    static constexpr QSize kSize{300, 128};

    explicit TInfoOtevritDialog(HlavniSluzby& sluzby);

protected:
    void started() override;
    void stopped() override;

private:
    TKopirovaniAnimace* m_animace = nullptr;
};
