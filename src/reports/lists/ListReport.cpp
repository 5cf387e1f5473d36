#include "ListReport.h"

#include "CaptionFit.h"
#include "ListForm.h"

ListReport::ListReport(report::ReportLayout measured)
    : m_measured(std::move(measured)), m_engine(m_measured)
{
    m_engine.setDataSet(&m_rows);
    m_engine.hooks().beforePrint = [this] {
        report::ReportLayout form = m_measured;
        setUpForm(form);
        report::fitCaptions(form);
        lists::fitToday(form, QStringLiteral("QRSysData2"));
        m_engine.setLayout(std::move(form));
        return true;
    };
}

QStringList ListReport::boundFields() const
{
    QStringList fields;
    for (const report::Band& band : m_measured.bands) {
        if (!band.groupField.isEmpty())
            fields.append(band.groupField);
        for (const report::Element& e : band.elements) {
            if (e.kind == report::ElementKind::Field && e.source.isEmpty())
                fields.append(e.text);
        }
    }
    fields.removeDuplicates();
    return fields;
}
