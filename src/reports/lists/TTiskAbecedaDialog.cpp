#include "TTiskAbecedaDialog.h"

#include "ListForm.h"
#include "ListLayouts.h"
#include "TableScan.h"

TTiskAbecedaDialog::TTiskAbecedaDialog() : ListReport(lists::tiskAbecedaLayout()) {}

Status TTiskAbecedaDialog::load(const QString& path, const ListChoice& choice, Variant variant,
                                const QLocale& locale)
{
    m_choice = choice;
    m_variant = variant;
    return m_rows.read(
        path, QStringLiteral("NAZEV"), boundFields(),
        [choice](const TableScan& record) { return choice.acceptsKindAndGenre(record); }, locale);
}

void TTiskAbecedaDialog::setUpForm(report::ReportLayout& form)
{
    // The short form ends above rows 2 and 3, which then do not print.
    form.band(report::BandKind::Detail)->height =
        m_variant == Variant::Short ? lists::kAbecedaShortBand : lists::kAbecedaFullBand;
    lists::showPerformerAndGenre(form, !m_choice.withoutPerformer());
    lists::setCaption(form, QStringLiteral("QRLabel9"), m_choice.genreCaption());
    lists::setCaption(form, QStringLiteral("QRLabel12"), m_choice.kindCaption());
}
