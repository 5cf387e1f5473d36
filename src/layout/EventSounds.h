#pragma once

#include "Status.h"

#include <QString>

// Writes the program's six event sounds ("PomocnikStart.wav", "PomocnikKonec.wav",
// "Dialog.wav", "Dotaz.wav", "Info.wav", "Lista.wav") into folder, creating the folder
// when needed. A sound that is already there, under any letter case, is left as it is:
// the user may have put a sound of their own in its place.
Status writeEventSounds(const QString& folder);
