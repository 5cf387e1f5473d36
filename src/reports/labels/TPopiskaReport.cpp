#include "TPopiskaReport.h"

#include "CaptionFit.h"
#include "CarrierKind.h"
#include "FrontPicture.h"
#include "IniFile.h"
#include "LabelLayouts.h"
#include "TTable.h"

#include <QPointer>

namespace {
// Off the band to the left: the picture element does not print at all.
constexpr qreal kOffBand = -1000;

QStringList numbered(const QString& prefix, int count)
{
    QStringList names;
    for (int i = 1; i <= count; ++i)
        names.append(prefix + QString::number(i));
    return names;
}
} // namespace

TPopiskaReport::TPopiskaReport(report::ReportLayout layout, QStringList bound, QString programIni,
                               std::optional<qreal> pictureLeft)
    : m_engine(std::move(layout)), m_bound(std::move(bound)), m_programIni(std::move(programIni)),
      m_pictureLeft(pictureLeft)
{
    // The brand must not wrap onto a second line across the outline of the label.
    report::fitCaptions(m_engine.layout());
    if (m_pictureLeft)
        m_engine.hooks().beforePrint = [this] { return placePicture(); };
}

void TPopiskaReport::bind(const QString& source, const TTable* table)
{
    for (const QString& name : m_bound) {
        if (report::Element* e = m_engine.layout().element(name))
            e->source = source;
    }
    // The table may go before the label is run again; then the fields are blank.
    m_engine.bind(source, [table = QPointer<const TTable>(table)](const QString& field) {
        if (!table || !table->isActive() || table->isEmpty())
            return QString();
        return carrierkind::shownValue(table->fieldText(QStringLiteral("DRUH")), field,
                                       table->fieldText(field), table->locale());
    });
}

std::optional<report::LaidOutReport> TPopiskaReport::prepare()
{
    m_error = Status::ok();
    return m_engine.run();
}

// Each run reads the choice anew: the user may have chosen another picture
// or cancelled it since the last one.
bool TPopiskaReport::placePicture()
{
    report::Element* image = m_engine.layout().element(QStringLiteral("QRImage1"));
    if (!image)
        return true;
    const QString path =
        IniFile(m_programIni).readString(QStringLiteral("Obrazek"), QStringLiteral("Obrazek"));
    image->picture = QImage();
    if (path.isEmpty()) {
        image->box.moveLeft(kOffBand);
        return true;
    }
    QImage loaded;
    if (m_error = FrontPicture::load(path, &loaded); !m_error) {
        image->box.moveLeft(kOffBand);
        return false;
    }
    image->picture = loaded;
    image->box.moveLeft(*m_pictureLeft);
    return true;
}

TTiskMCDialog::TTiskMCDialog(const QString& programIni)
    : TPopiskaReport(labels::tiskMCLayout(),
                     QStringList{"C1", "I1", "J1", "I2", "J2"} + numbered("T", 30) +
                         numbered("N", 30),
                     programIni, 45.0)
{
}

TTiskCD1Dialog::TTiskCD1Dialog(const QString& programIni)
    : TPopiskaReport(labels::tiskCD1Layout(),
                     QStringList{"I1", "J1"} + numbered("T", 26) + numbered("N", 26), programIni,
                     144.5)
{
}

TTiskCD2Dialog::TTiskCD2Dialog(const QString& programIni)
    : TPopiskaReport(labels::tiskCD2Layout(),
                     QStringList{"C1", "C2", "I1", "I2", "J1", "J2", "I3", "J3"} +
                         numbered("N", 30),
                     programIni, std::nullopt)
{
}
