#include "ResultList.h"

#include "TTable.h"
#include "TableScan.h"

namespace search {

Status fillResults(const Criterion& criterion, const QString& path, ResultTree* tree)
{
    *tree = ResultTree();
    // A sorted list does not depend on the order it was read in: rows with the
    // same path keep the first of them in either order, since equal keys of
    // an index stand in the order the rows were added. So it reads the file
    // as it lies and spares the index.
    TableScan scan(path, criterion.sorted ? QString() : criterion.index);
    if (!scan.status())
        return Status::error(
            QStringLiteral("Pomocnou databázi nelze přečíst. %1").arg(scan.status().message()),
            scan.status().detail());
    const QString title = QStringLiteral("NAZEV");
    const QString number = QStringLiteral("CISLO");
    // Each field is decoded once a row: the key is usually a level of the
    // path and the title its last level. Only the number search needs the
    // number to lead to the carrier.
    const qsizetype keyLevel = criterion.path.indexOf(criterion.keyField);
    const qsizetype titleLevel = criterion.path.indexOf(title);
    const bool byNumber = criterion.code == QLatin1String("1");
    QStringList texts;
    while (scan.next()) {
        const QString key = scan.fieldText(criterion.keyField);
        if (key.isEmpty())
            continue;
        texts.clear();
        for (qsizetype level = 0; level < criterion.path.size(); ++level)
            texts.append(level == keyLevel ? key : scan.fieldText(criterion.path.at(level)));
        tree->addPath(texts, {scan.recordNumber(),
                              titleLevel >= 0 ? texts.at(titleLevel) : scan.fieldText(title),
                              byNumber ? scan.fieldText(number) : QString()});
    }
    if (criterion.sorted)
        tree->sort();
    return Status::ok();
}

namespace {

// Looks the key up under a given index and leaves the table there when found.
bool findUnder(TTable& table, const QString& index, const QString& key)
{
    return table.setIndex(index).isOk() && table.findKey(key);
}

} // namespace

Status showCarrier(TTable& table, const QString& code, const ResultTree::Target& target)
{
    if (!table.isActive())
        return Status::error(QStringLiteral("Databáze, ve které se hledalo, už není otevřená."));
    const bool byNumber = code == QStringLiteral("1");
    const QString key = byNumber ? target.number : target.title;
    const QString index = table.indexName();
    const TTable::Bookmark before = table.bookmark();
    const bool found =
        !key.isEmpty() &&
        findUnder(table, byNumber ? QStringLiteral("CISLO") : QStringLiteral("NAZEV"), key);
    // Back under the window's own index; setIndex keeps the record it stands on.
    if (Status back = table.setIndex(index); !back)
        return back;
    if (found)
        return Status::ok();
    table.gotoBookmark(before);
    return Status::error(
        byNumber ? QStringLiteral("Nosič číslo %1 okno databáze už nezobrazuje: mezitím byl "
                                  "změněn nebo odstraněn, nebo jej skrývá zvolený druh nosiče.")
                       .arg(key)
                 : QStringLiteral("Nosič „%1“ okno databáze už nezobrazuje: mezitím byl změněn "
                                  "nebo odstraněn, nebo jej skrývá zvolený druh nosiče.")
                       .arg(key));
}

} // namespace search
