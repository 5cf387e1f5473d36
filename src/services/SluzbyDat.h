#pragma once

#include "ReportMode.h"

class KindChoice;
class ProgramFolder;
class QMdiSubWindow;
class QPrinter;
class TDataModule1;

// The data, the document windows and the choices of the main window that the
// database, search and report windows work with.
class SluzbyDat
{
public:
    virtual ~SluzbyDat() = default;

    virtual const ProgramFolder& programFolder() const = 0;
    virtual TDataModule1* dataModule() const = 0;

    // The slot 1-4 of the active database window, 0 when none is open.
    virtual int activeDatabaseSlot() const = 0;
    // A database window joins the document area, still hidden; it shows itself.
    virtual void addDocumentWindow(QMdiSubWindow* window) = 0;
    // The database window of slot 1-4, or null while that database is not open.
    virtual QMdiSubWindow* documentWindow(int slot) const = 0;

    // The printer chosen in the printer set-up; the reports print on it.
    virtual QPrinter* printer() const = 0;
    // The carrier kind ticked in the Nástroje menu, with its change signal.
    virtual KindChoice& kindChoice() const = 0;
    // Whether the report chooser was asked for a preview or a print; the
    // report windows and pickers it opens read it.
    virtual ReportMode reportMode() const = 0;
    virtual void setReportMode(ReportMode mode) = 0;

protected:
    SluzbyDat() = default;
    SluzbyDat(const SluzbyDat&) = default;
    SluzbyDat& operator=(const SluzbyDat&) = default;
};
