#pragma once

#include "Status.h"

class QString;
class TDataModule1;

namespace lists {

// After a list: the four carrier tables in the order of their numbers again,
// and, with `kindFilter`, filtered by the kind ticked in the Nástroje menu
// (MP3 discs leave the filters as they are). A table that shows a carrier
// keeps it where it is still shown; one being edited is left alone, so that
// no typed change is lost.
Status restoreCarrierTables(TDataModule1& data, const QString& kindItem, bool kindFilter);

} // namespace lists
