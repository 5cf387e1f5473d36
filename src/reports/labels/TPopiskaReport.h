#pragma once

#include "ReportEngine.h"
#include "Status.h"

#include <QStringList>

#include <optional>

class TTable;

// One carrier label: a one-page report of the current record of a carrier
// table. Its data-bound elements are bound to the table again on every run,
// so a label always prints from the database it was asked for; a front label
// also carries the picture chosen in the program settings.
class TPopiskaReport
{
public:
    virtual ~TPopiskaReport() = default;

    // Binds the data-bound elements to the current record of `table`, known
    // to the layout as `source` ("Table3").
    void bind(const QString& source, const TTable* table);

    // Lays out the label; empty when its picture could not be loaded, and
    // then lastError() tells why.
    std::optional<report::LaidOutReport> prepare();
    const Status& lastError() const { return m_error; }

    report::ReportEngine& engine() { return m_engine; }
    const report::ReportLayout& layout() const { return m_engine.layout(); }
    // The window name of the form ("TiskMCDialog").
    const QString& name() const { return m_engine.layout().name; }

protected:
    // `bound` names the elements that read the table; `pictureLeft` is the
    // left edge of the picture box, or empty for a label without one.
    TPopiskaReport(report::ReportLayout layout, QStringList bound, QString programIni,
                   std::optional<qreal> pictureLeft);

private:
    bool placePicture();

    report::ReportEngine m_engine;
    QStringList m_bound;
    QString m_programIni;
    std::optional<qreal> m_pictureLeft;
    Status m_error;
};

// The cassette card: front, spine, flap and both sides' tracks.
class TTiskMCDialog final : public TPopiskaReport
{
public:
    explicit TTiskMCDialog(const QString& programIni);
};

// The CD booklet: front cover and the first 26 tracks with their lengths.
class TTiskCD1Dialog final : public TPopiskaReport
{
public:
    explicit TTiskCD1Dialog(const QString& programIni);
};

// The CD tray inlay: two spines and all 30 track titles.
class TTiskCD2Dialog final : public TPopiskaReport
{
public:
    explicit TTiskCD2Dialog(const QString& programIni);
};
