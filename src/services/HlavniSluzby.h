#pragma once

#include "SluzbyBalonu.h"
#include "SluzbyDat.h"
#include "SluzbyStavu.h"

// What the main window offers every dialog: its status-bar indicators, the
// enabling of itself and of the assistant figure while a dialog is up, the
// balloon placement beside the figure, the event sounds, the data and the
// user's choices. Dialogs reach the main window only through this, never
// through its members; a dialog that needs one role only may take that role.
class HlavniSluzby : public SluzbyStavu, public SluzbyBalonu, public SluzbyDat
{
};
