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
    // path and the title its last level. The number tells apart carriers
    // that bear the same title.
    const qsizetype keyLevel = criterion.path.indexOf(criterion.keyField);
    const qsizetype titleLevel = criterion.path.indexOf(title);
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
                              scan.fieldText(number)});
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

// Carriers with equal numbers stand together under the number index: the one
// among them that bears the title.
bool findNumbered(TTable& table, const QString& number, const QString& title)
{
    const QString kNumber = QStringLiteral("CISLO");
    if (!findUnder(table, kNumber, number))
        return false;
    const QString value = table.fieldValueText(kNumber);
    while (table.fieldValueText(kNumber) == value) {
        if (table.fieldText(QStringLiteral("NAZEV")) == title)
            return true;
        const int at = table.recNo();
        if (!table.next() || table.eof() || table.recNo() == at)
            return false;
    }
    return false;
}

} // namespace

Status showCarrier(TTable& table, const QString& code, const ResultTree::Target& target)
{
    if (!table.isActive())
        return Status::error(QStringLiteral("Databáze, ve které se hledalo, už není otevřená."));
    const bool byNumber = code == QStringLiteral("1");
    // An entry of the title list stands for every carrier of that title; an
    // entry under a performer, kind, genre, track or loan for one carrier,
    // which another carrier of the same title must not stand in for.
    const bool byTitle = code == QStringLiteral("2") || target.number.isEmpty();
    const QString key = byNumber ? target.number : target.title;
    const QString index = table.indexName();
    const TTable::Bookmark before = table.bookmark();
    bool found = false;
    if (!key.isEmpty()) {
        found = byNumber  ? findUnder(table, QStringLiteral("CISLO"), key)
                : byTitle ? findUnder(table, QStringLiteral("NAZEV"), key)
                          : findNumbered(table, target.number, key);
    }
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
