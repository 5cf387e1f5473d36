#include "TTiskInterpretDialog.h"

#include "ListForm.h"
#include "ListLayouts.h"
#include "TableScan.h"

TTiskInterpretDialog::TTiskInterpretDialog() : ListReport(lists::tiskInterpretLayout()) {}

Status TTiskInterpretDialog::load(const QString& copyPath, const ListChoice& choice,
                                  const std::optional<QString>& performer, const QLocale& locale)
{
    m_choice = choice;
    m_performer = performer;
    const auto accept = [choice, performer](const TableScan& record) {
        const QString value = record.fieldText(QStringLiteral("INTERPRET"));
        if (value.trimmed().isEmpty() || !choice.acceptsKind(record))
            return false;
        return !performer || value == *performer;
    };
    return m_rows.read(copyPath, QStringLiteral("INTERJMENO"), boundFields(), accept, locale);
}

void TTiskInterpretDialog::setUpForm(report::ReportLayout& form)
{
    lists::setCaption(form, QStringLiteral("QRLabel9"),
                      m_performer ? *m_performer : QStringLiteral("všichni interpreti"));
    lists::setCaption(form, QStringLiteral("QRLabel10"), m_choice.kindCaption(true));
}
