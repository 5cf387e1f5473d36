#include "CsvCommands.h"

#include "CsvExport.h"
#include "CsvImport.h"
#include "HlavniSluzby.h"
#include "ProgramFolder.h"
#include "ProgramSettings.h"
#include "TDatabazeDialog.h"
#include "TInfoCsvDialog.h"
#include "TTable.h"
#include "TableScan.h"

#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QSaveFile>

namespace {
const QString kFilter = QStringLiteral("Soubory CSV (*.csv);;Všechny soubory (*)");
} // namespace

CsvCommands::CsvCommands(HlavniSluzby& sluzby, QObject* parent) : QObject(parent), m_sluzby(sluzby)
{
}

TDatabazeDialog* CsvCommands::frontWindow() const
{
    const int slot = m_sluzby.activeDatabaseSlot();
    return slot ? qobject_cast<TDatabazeDialog*>(m_sluzby.documentWindow(slot)) : nullptr;
}

QString CsvCommands::chooseFile(bool saving, const QString& suggested) const
{
    if (m_chooser)
        return m_chooser(saving, suggested);
    if (saving)
        return QFileDialog::getSaveFileName(nullptr, QStringLiteral("Export do souboru CSV"),
                                            suggested, kFilter);
    return QFileDialog::getOpenFileName(nullptr, QStringLiteral("Import ze souboru CSV"),
                                        QDir::homePath(), kFilter);
}

void CsvCommands::exportFront()
{
    TDatabazeDialog* window = frontWindow();
    if (!window || !window->table())
        return;
    const QString suggested = QDir::homePath() + QLatin1Char('/') +
                              QFileInfo(window->table()->tableName()).completeBaseName() +
                              QStringLiteral(".csv");
    const QString path = chooseFile(true, suggested);
    if (path.isEmpty())
        return;
    int written = 0;
    if (Status s = exportTo(*window, path, &written); !s)
        m_sluzby.reportError(s);
    else
        emit done(written);
}

Status CsvCommands::exportTo(TDatabazeDialog& window, const QString& path, int* written)
{
    auto* progress = new TInfoCsvDialog(m_sluzby);
    progress->setText(QStringLiteral("Export do souboru %1").arg(QFileInfo(path).fileName()));
    return progress->run([&]() -> Status {
        // The window's own order and kind filter, read without moving its cursor.
        TableScan scan(*window.table());
        progress->nextPhase();
        QSaveFile file(path);
        if (!file.open(QIODevice::WriteOnly))
            return Status::error(QStringLiteral("Soubor %1 nelze vytvořit.").arg(path),
                                 file.errorString());
        if (Status s = csvexport::write(scan, &file, {.byteOrderMark = true}, written); !s)
            return s;
        progress->nextPhase();
        if (!file.commit())
            return Status::error(QStringLiteral("Soubor %1 nelze zapsat.").arg(path),
                                 file.errorString());
        progress->nextPhase();
        return Status::ok();
    });
}

void CsvCommands::importFront()
{
    TDatabazeDialog* window = frontWindow();
    if (!window || !window->table())
        return;
    // An edited record would be written over the rows that come in.
    if (window->isRecordEditing() || window->table()->isEditing()) {
        m_sluzby.reportError(Status::error(QStringLiteral(
            "Nejprve uložte nebo zrušte rozpracovaný záznam, potom import opakujte.")));
        return;
    }
    const QString path = chooseFile(false, {});
    if (path.isEmpty())
        return;
    int read = 0;
    if (Status s = importFrom(*window, path, &read); !s)
        m_sluzby.reportError(s);
    else
        emit done(read);
}

Status CsvCommands::importFrom(TDatabazeDialog& window, const QString& path, int* read)
{
    TTable* table = window.table();
    auto* progress = new TInfoCsvDialog(m_sluzby);
    progress->setText(QStringLiteral("Import ze souboru %1").arg(QFileInfo(path).fileName()));
    const Status s = progress->run([&]() -> Status {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            return Status::error(QStringLiteral("Soubor %1 nelze otevřít.").arg(path),
                                 file.errorString());
        const QByteArray bytes = file.readAll();
        progress->nextPhase();
        CsvImport import(table->filePath());
        if (Status checked = import.read(bytes); !checked)
            return checked;
        progress->nextPhase();
        if (Status written = import.write(); !written)
            return written;
        *read = import.rowCount();
        progress->nextPhase();
        return Status::ok();
    });
    if (!s)
        return s;
    forgetSearchCopies(window.slot());
    // The window takes in the rows another writer appended when it moves to an end.
    return table->last();
}

// The search and the lists must not go on using a copy made before the import.
void CsvCommands::forgetSearchCopies(int slot) const
{
    if (Status s =
            ProgramSettings(m_sluzby.programFolder().programIniPath()).forgetSearchCopies(slot);
        !s)
        m_sluzby.reportError(s);
}
