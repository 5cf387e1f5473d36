#pragma once

#include "ListReport.h"

// The alphabetical list of a database's carriers of the chosen kind and
// genre, by title: the short form one line per carrier, the full form three.
class TTiskAbecedaDialog final : public ListReport
{
public:
    enum class Variant
    {
        Short,
        Full
    };

    TTiskAbecedaDialog();

    // Reads the carriers of the table at `path` that `choice` admits.
    Status load(const QString& path, const ListChoice& choice, Variant variant,
                const QLocale& locale = QLocale());

protected:
    void setUpForm(report::ReportLayout& form) override;

private:
    Variant m_variant = Variant::Full;
};
