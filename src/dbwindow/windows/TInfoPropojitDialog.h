#pragma once

#include "ProgressWindow.h"

class TKopirovaniAnimace;

// The progress window of a link update between the loan register and the
// address books: what is being done under a file-copy animation, the bar at
// the positions the update reports. A new one is made for each update and
// frees itself when it closes; it leaves the assistant figure alone.
class TInfoPropojitDialog final : public ProgressWindow
{
    Q_OBJECT

public:
    static constexpr QSize kSize{300, 128};

    explicit TInfoPropojitDialog(HlavniSluzby& sluzby);

protected:
    void started() override;
    void stopped() override;

private:
    TKopirovaniAnimace* m_animace = nullptr;
};
