#pragma once

#include "ProgressWindow.h"

// The progress window of the CSV commands: which file goes out or comes in,
// and the bar over reading, checking and writing.
class TInfoCsvDialog final : public ProgressWindow
{
    Q_OBJECT

public:
    static constexpr QSize kSize{300, 72};

    explicit TInfoCsvDialog(HlavniSluzby& sluzby);
};
