#include "TNovyDialog.h"

#include "DialogLook.h"
#include "HlavniSluzby.h"
#include "OptionalDatabases.h"
#include "TVolba.h"

TNovyDialog::TNovyDialog(HlavniSluzby& sluzby, QWidget* parent)
    : TVyberDialog(sluzby, QStringLiteral("SBO4"),
                   QStringLiteral("Vyberte databázi, kterou si přejete upravit"),
                   {QStringLiteral("Zobrazí dialog pro práci s volitelnou databází č. 1"),
                    QStringLiteral("Zobrazí dialog pro práci s volitelnou databází č. 2"),
                    QStringLiteral("Zobrazí dialog pro práci s volitelnou databází č. 3")},
                   parent)
{
    setObjectName(QStringLiteral("NovyDialog"));
    setWindowTitle(QStringLiteral("Volitelná databáze"));
    setHint(this, QStringLiteral("Práce s volitelnou databází"));
}

void TNovyDialog::fillEntries()
{
    const QList<OptionalDatabases::Entry> entries =
        OptionalDatabases(sluzby().programFolder()).editEntries();
    for (int k = 1; k <= entries.size(); ++k) {
        // A missing name key reads as an empty name, as in the chooser, so the
        // naming dialog starts empty too.
        const OptionalDatabases::Entry& stored = entries.at(k - 1);
        entry(k)->setText(stored.text);
        entry(k)->setStruck(stored.struck || sluzby().documentWindow(k + 1));
    }
}
