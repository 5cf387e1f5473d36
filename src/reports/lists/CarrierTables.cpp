#include "CarrierTables.h"

#include "KindChoice.h"
#include "TDataModule1.h"
#include "TTable.h"

namespace lists {

void restoreCarrierTables(TDataModule1& data, const QString& kindItem, bool kindFilter)
{
    const bool filter = kindFilter && kindItem != QLatin1String("NO5");
    const QString expression = KindChoice::filterOf(kindItem);
    for (int slot = 1; slot <= 4; ++slot) {
        TTable* table = data.slotTable(slot);
        if (!table || table->isEditing())
            continue;
        const TTable::Bookmark shown = table->bookmark();
        table->setIndex(QStringLiteral("CISLO"));
        if (filter && !expression.isEmpty()) {
            table->setFiltered(false);
            table->setFilter(expression);
            table->setFiltered(true);
        }
        if (table->isActive() && !table->gotoBookmark(shown))
            table->first();
    }
}

} // namespace lists
