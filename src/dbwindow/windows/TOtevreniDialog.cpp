#include "TOtevreniDialog.h"

#include "DialogLook.h"
#include "HlavniSluzby.h"
#include "OptionalDatabases.h"
#include "ProgramSettings.h"
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

Status TOtevreniDialog::writeOpenKey(int slot, bool open) const
{
    return ProgramSettings(sluzby().programFolder().programIniPath()).setDatabaseOpen(slot, open);
}

TDatabazeDialog* TOtevreniDialog::open(int slot, const QString& name)
{
    TTable* table = sluzby().dataModule()->slotTable(slot);
    if (!table || sluzby().documentWindow(slot))
        return nullptr;
    auto* progress = new TInfoOtevritDialog(sluzby());
    progress->setText(name);
    TDatabazeDialog* window = nullptr;
    const Status s = progress->run([&]() -> Status {
        progress->nextPhase();
        if (Status opened = openTable(slot, *table, *progress); !opened)
            return opened;
        progress->nextPhase();
        window = createWindow(slot, name);
        progress->nextPhase();
        return Status::ok();
    });
    if (!s) {
        emit failed(Status::error(
            QStringLiteral("Databázi „%1“ se nepodařilo otevřít. %2").arg(name, s.message()),
            s.detail()));
        return nullptr;
    }
    window->ukazat();
    emit opened(window);
    return window;
}

// A table that does not open leaves its key and its table object as they were.
Status TOtevreniDialog::openTable(int slot, TTable& table, ProgressWindow& progress) const
{
    progress.nextPhase();
    // Without its key the exit sequence would not ask about the window's record.
    if (Status s = writeOpenKey(slot, true); !s)
        return s;
    progress.nextPhase();
    progress.nextPhase();
    const bool openedHere = !table.isActive();
    Status s = openedHere ? table.open() : Status::ok();
    progress.nextPhase();
    if (s)
        s = table.first();
    if (!s) {
        if (openedHere)
            table.close();
        if (Status reset = writeOpenKey(slot, false); !reset)
            s = Status::error(s.message() + QLatin1Char(' ') + reset.message(), s.detail());
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
