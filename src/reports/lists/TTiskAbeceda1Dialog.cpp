#include "TTiskAbeceda1Dialog.h"

#include "ListForm.h"
#include "ListLayouts.h"
#include "TableScan.h"

TTiskAbeceda1Dialog::TTiskAbeceda1Dialog() : ListReport(lists::tiskAbeceda1Layout()) {}

Status TTiskAbeceda1Dialog::load(const QString& copyPath, const ListChoice& choice,
                                 const QString& title, Variant variant, const QLocale& locale)
{
    m_choice = choice;
    m_variant = variant;
    const auto accept = [choice, title](const TableScan& record) {
        return !title.trimmed().isEmpty() && record.fieldText(QStringLiteral("NAZEV")) == title &&
               choice.acceptsKind(record);
    };
    return m_rows.read(copyPath, QStringLiteral("NAZEV"), boundFields(), accept, locale);
}

void TTiskAbeceda1Dialog::setUpForm(report::ReportLayout& form)
{
    // The short form ends above the track section, which then does not print.
    form.band(report::BandKind::Detail)->height =
        m_variant == Variant::Short ? lists::kVybranyShortBand : lists::kVybranyFullBand;
    lists::showPerformerAndGenre(form, !m_choice.withoutPerformer());
}
