#pragma once

#include "TInfoNajitDialog.h"

// The progress window of the per-track build: the same window, recording the
// per-track copy when it closes.
class TInfoNajit1Dialog final : public TInfoNajitDialog
{
    Q_OBJECT

public:
    explicit TInfoNajit1Dialog(HlavniSluzby& sluzby);
};
