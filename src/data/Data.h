#pragma once

// The data store in one include: table layouts, the table engine, the data
// module, settings files and program folder paths.
#include "FilterExpression.h"
#include "IniFile.h"
#include "OptionalDatabases.h"
#include "ProgramFolder.h"
#include "Status.h"
#include "TDataModule1.h"
#include "TDataSource.h"
#include "TTable.h"
#include "TableFiles.h"
#include "TableLayout.h"
