#pragma once

#include "ListReport.h"

// Every carrier of the auxiliary copy with one title, matched exactly as
// written: the short form its details, the full form its tracks as well.
class TTiskAbeceda1Dialog final : public ListReport
{
public:
    enum class Variant
    {
        Short,
        Full
    };

    TTiskAbeceda1Dialog();

    // A blank title matches no carrier.
    Status load(const QString& copyPath, const ListChoice& choice, const QString& title,
                Variant variant, const QLocale& locale = QLocale());

protected:
    void setUpForm(report::ReportLayout& form) override;

private:
    Variant m_variant = Variant::Full;
};
