#pragma once

#include "ListReport.h"

#include <optional>

// The carriers of the auxiliary copy grouped by performer: every carrier with
// a performer, or those of one performer matched exactly as written.
class TTiskInterpretDialog final : public ListReport
{
public:
    TTiskInterpretDialog();

    // All performers when `performer` is empty; a chosen performer that is
    // blank matches no carrier.
    Status load(const QString& copyPath, const ListChoice& choice,
                const std::optional<QString>& performer, const QLocale& locale = QLocale());

protected:
    void setUpForm(report::ReportLayout& form) override;

private:
    std::optional<QString> m_performer;
};
