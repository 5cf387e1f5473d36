#include "TOtevreniDialog.h"

#include "DialogLook.h"
#include "HlavniSluzby.h"
#include "IniFile.h"
#include "OptionalDatabases.h"
#include "TDataModule1.h"
#include "TDatabazeDialog.h"
#include "TDotazKonecDialog.h"
#include "TInfoOtevritDialog.h"
#include "TTable.h"
#include "TVolba.h"

TOtevreniDialog::TOtevreniDialog(HlavniSluzby& sluzby, QWidget* parent)
    : TVyberDialog(sluzby, QStringLiteral("SBO3"),
                   QStringLiteral("Vyberte databázi, kterou si přejete otevřít"),
                   {QStringLiteral("Otevře Standardní databázi"),
                    QStringLiteral("Otevře uživatelsky definovatelnou databázi číslo 1"),
                    QStringLiteral("Otevře uživatelsky definovatelnou databázi číslo 2"),
                    QStringLiteral("Otevře uživatelsky definovatelnou databázi číslo 3")},
                   parent)
{
    setObjectName(QStringLiteral("OtevreniDialog"));
    setWindowTitle(QStringLiteral("Otevřít databázi"));
    setHint(this, QStringLiteral("Výběr databáze"));
}

void TOtevreniDialog::setSaveQuestion(TDotazKonecDialog* dotaz)
{
    m_dotaz = dotaz;
}

void TOtevreniDialog::fillEntries()
{
    const QString dataFolder = sluzby().programFolder().dataFolder();
    for (int slot = 1; slot <= 4; ++slot) {
        if (TTable* table = sluzby().dataModule()->slotTable(slot); table && !table->isActive())
            table->setDatabaseName(dataFolder);
    }
    const QList<OptionalDatabases::Entry> entries =
        OptionalDatabases(sluzby().programFolder()).chooserEntries();
    for (int slot = 1; slot <= entries.size(); ++slot) {
        // A window that is already there is never made a second time.
        entry(slot)->setText(entries.at(slot - 1).text);
        entry(slot)->setStruck(entries.at(slot - 1).struck || sluzby().documentWindow(slot));
    }
}

void TOtevreniDialog::choose(int slot)
{
    const QString name = entry(slot)->text();
    hide();
    if (name.isEmpty()) {
        emit failed(Status::error(
            QStringLiteral("Volitelná databáze č. %1 nemá v nastavení programu uložen název. "
                           "Pojmenujte ji příkazem „Volitelná databáze...“.")
                .arg(slot - 1)));
        return;
    }
    open(slot, name);
}

bool TOtevreniDialog::writeOpenKey(int slot, int value) const
{
    return IniFile(sluzby().programFolder().programIniPath())
        .writeInteger(QStringLiteral("Otevreni"), QStringLiteral("Databaze%1").arg(slot), value)
        .isOk();
}

TDatabazeDialog* TOtevreniDialog::open(int slot, const QString& name)
{
    TTable* table = sluzby().dataModule()->slotTable(slot);
    if (!table || sluzby().documentWindow(slot))
        return nullptr;
    auto* progress = new TInfoOtevritDialog(sluzby());
    progress->setText(name);
    progress->start();
    progress->setProgress(14);
    if (Status s = openTable(slot, *table, *progress); !s) {
        progress->finish();
        emit failed(Status::error(
            QStringLiteral("Databázi „%1“ se nepodařilo otevřít. %2").arg(name, s.message()),
            s.detail()));
        return nullptr;
    }
    progress->setProgress(84);
    TDatabazeDialog* window = createWindow(slot, name);
    progress->setProgress(100);
    progress->finish();
    window->ukazat();
    emit opened(window);
    tellWarnings(*table, name);
    return window;
}

// A table cut short by a crash opens with fewer carriers; the user hears of it
// each time the window opens, not only from the copy left beside the table.
void TOtevreniDialog::tellWarnings(const TTable& table, const QString& name)
{
    if (table.warnings().isEmpty())
        return;
    emit warned(QStringLiteral("Databáze „%1“ (soubor %2) byla otevřena s upozorněním: %3")
                    .arg(name, table.tableName(), table.warnings().join(QLatin1Char(' '))));
}

// A table that does not open leaves its key and its table object as they were.
Status TOtevreniDialog::openTable(int slot, TTable& table, TInfoOtevritDialog& progress) const
{
    progress.setProgress(28);
    writeOpenKey(slot, 1);
    progress.setProgress(42);
    progress.setProgress(56);
    const bool openedHere = !table.isActive();
    Status s = openedHere ? table.open() : Status::ok();
    progress.setProgress(70);
    if (s)
        s = table.first();
    if (!s) {
        if (openedHere)
            table.close();
        writeOpenKey(slot, 0);
    }
    return s;
}

TDatabazeDialog* TOtevreniDialog::createWindow(int slot, const QString& name) const
{
    TDatabazeDialog* window = TDatabazeDialog::create(slot, sluzby(), m_dotaz);
    window->setDatabaseName(name);
    if (m_windowSetup)
        m_windowSetup(window);
    sluzby().addDocumentWindow(window);
    return window;
}
