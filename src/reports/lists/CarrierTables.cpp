#include "CarrierTables.h"

#include "KindChoice.h"
#include "TDataModule1.h"
#include "TTable.h"

namespace lists {

Status restoreCarrierTables(TDataModule1& data, const QString& kindItem, bool kindFilter)
{
    Status first;
    const bool filter = kindFilter && kindItem != QLatin1String("NO5");
    const QString expression = KindChoice::filterOf(kindItem);
    for (int slot = 1; slot <= 4; ++slot) {
        TTable* table = data.slotTable(slot);
        if (!table || table->isEditing())
            continue;
        const TTable::Bookmark shown = table->bookmark();
        Status s = table->setIndex(QStringLiteral("CISLO"));
        if (s && filter && !expression.isEmpty()) {
            s = table->setFiltered(false);
            if (s)
                s = table->setFilter(expression);
            if (s)
                s = table->setFiltered(true);
        }
        if (s && table->isActive() && !table->gotoBookmark(shown))
            s = table->first();
        // One table that cannot be put back does not keep the others as they are.
        if (!s && first)
            first = s;
    }
    return first;
}

} // namespace lists
