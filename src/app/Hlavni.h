#pragma once

// The application shell in one include: start-up, the main window and the
// windows it opens itself.
#include "Aplikace.h"
#include "InstanceGuard.h"
#include "SecondCopy.h"
#include "TDokumenty.h"
#include "THlavniDialog.h"
#include "TIniDialog.h"
#include "TKopieDialog.h"
#include "TOProgramuDialog.h"
#include "TSpusteniDialog.h"
