#pragma once

#include "CarrierRows.h"
#include "ListChoice.h"
#include "ReportEngine.h"

// A list of carriers: its form, as measured, and the rows it prints. Every
// run lays the form out afresh from the measured one, so that what one run
// moved or widened never stays for the next.
class ListReport
{
public:
    virtual ~ListReport() = default;
    ListReport(const ListReport&) = delete;
    ListReport& operator=(const ListReport&) = delete;

    report::ReportEngine& engine() { return m_engine; }
    const report::ReportLayout& layout() const { return m_engine.layout(); }
    const CarrierRows& rows() const { return m_rows; }
    const ListChoice& choice() const { return m_choice; }
    // The window name of the form ("TiskAbecedaDialog").
    const QString& name() const { return m_measured.name; }

    // Lays the list out as it stands; empty only when the engine refused.
    std::optional<report::LaidOutReport> prepare() { return m_engine.run(); }

protected:
    explicit ListReport(report::ReportLayout measured);

    // Fills in the fresh form before each run.
    virtual void setUpForm(report::ReportLayout& form) = 0;
    // The fields the form reads from its rows.
    QStringList boundFields() const;

    CarrierRows m_rows;
    ListChoice m_choice;

private:
    report::ReportLayout m_measured;
    report::ReportEngine m_engine;
};
