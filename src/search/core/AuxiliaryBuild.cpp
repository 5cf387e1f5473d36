#include "AuxiliaryBuild.h"

#include "BulkWriter.h"
#include "ProgramFolder.h"
#include "TTable.h"
#include "TableScan.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <array>
#include <cstring>
#include <vector>

namespace search {
namespace {

constexpr int kTracks = 30;
const QString kBase = QStringLiteral("AudioI");

// The fields of its carrier that every row of the copy carries.
const QStringList& carriedFields()
{
    static const QStringList names = {
        QStringLiteral("NAZEV"),     QStringLiteral("ZANR"),     QStringLiteral("DRUH"),
        QStringLiteral("CISLO"),     QStringLiteral("DELKA"),    QStringLiteral("CELKEM"),
        QStringLiteral("INTERPRET"), QStringLiteral("POZNAMKA"), QStringLiteral("PUJCENO"),
        QStringLiteral("DATUM"),     QStringLiteral("DATUM1")};
    return names;
}

struct Span
{
    int offset = 0;
    int width = 0;
};

bool isBlank(const char* raw, int width)
{
    for (int i = 0; i < width; ++i) {
        if (raw[i] != ' ' && raw[i] != '\0')
            return false;
    }
    return true;
}

// Where each field the copy needs lies in a raw record of the source; the
// copy has the same layout, so the bytes go over as they are.
struct SourceLayout
{
    std::vector<Span> carried;
    Span title;
    std::array<Span, kTracks> tracks{};
    int recordLength = 0;

    Span span(const TableScan& scan, const QString& name) const
    {
        const int field = scan.fieldIndex(name);
        return {scan.fieldOffsets().at(field), scan.fields().at(field).width};
    }

    explicit SourceLayout(const TableScan& scan) : recordLength(scan.recordLength())
    {
        for (const QString& name : carriedFields())
            carried.push_back(span(scan, name));
        title = span(scan, QStringLiteral("NAZEV"));
        for (int k = 0; k < kTracks; ++k)
            tracks[std::size_t(k)] = span(scan, QStringLiteral("A%1").arg(k + 1));
    }
};

Status copyTemplate(const QString& from, const QString& to)
{
    QFile source(from);
    if (!source.open(QIODevice::ReadOnly))
        return Status::error(QStringLiteral("Šablona pomocné databáze %1 chybí nebo ji nelze číst.")
                                 .arg(QFileInfo(from).fileName()),
                             from);
    QSaveFile target(to);
    const QByteArray bytes = source.readAll();
    if (!target.open(QIODevice::WriteOnly) || target.write(bytes) != bytes.size() ||
        !target.commit())
        return Status::error(QStringLiteral("Soubor %1 nelze zapsat (plný disk nebo chybějící "
                                            "oprávnění).")
                                 .arg(QFileInfo(to).fileName()),
                             target.errorString());
    return Status::ok();
}

// Deletes the old copy and lays down the empty templates, file by file.
Status prelude(Shape shape, const ProgramFolder& folder, BuildProgress& progress)
{
    const int step = shape == Shape::PerCarrier ? 16 : 3;
    progress.setPhase(kPreparing);
    progress.setPosition(step);
    const QString data = folder.dataFolder();
    const QStringList targets = {data + kBase + QStringLiteral(".dbf"),
                                 data + kBase + QStringLiteral(".dbt"),
                                 data + kBase + QStringLiteral(".mdx")};
    for (const QString& target : targets)
        QFile::remove(ProgramFolder::findFile(data, QFileInfo(target).fileName()));
    progress.setPosition(2 * step);
    const QStringList templates = {kBase + QStringLiteral(".dbf"), kBase + QStringLiteral(".Dbt"),
                                   kBase + QStringLiteral(".Mdx")};
    for (int i = 0; i < 3; ++i) {
        const QString from = ProgramFolder::findFile(folder.templateFolder(), templates.at(i));
        if (Status s = copyTemplate(from, targets.at(i)); !s)
            return s;
        progress.setPosition((3 + i) * step);
    }
    return Status::ok();
}

Status openSource(const BuildSource& source, const TableScan& scan)
{
    if (!scan.status())
        return Status::error(
            QStringLiteral("Databázi nelze přečíst. %1").arg(scan.status().message()),
            scan.status().detail());
    for (const QString& name : carriedFields()) {
        if (!scan.hasField(name))
            return Status::error(QStringLiteral("Databáze nemá pole %1.").arg(name), source.path);
    }
    return Status::ok();
}

Status openTarget(const ProgramFolder& folder, const TableScan& scan, BulkWriter& writer)
{
    const QString path =
        ProgramFolder::findFile(folder.dataFolder(), kBase + QStringLiteral(".dbf"));
    if (Status s = writer.openForAppend(path); !s)
        return s;
    if (writer.fields() != scan.fields())
        return Status::error(QStringLiteral("Pomocná databáze má jiné uspořádání polí než "
                                            "prohledávaná databáze."),
                             path);
    return Status::ok();
}

// A row of the copy: a blank record with the carried fields of one carrier.
void carry(const SourceLayout& layout, const char* from, QByteArray& row)
{
    row.fill(' ');
    for (const Span& span : layout.carried)
        std::memcpy(row.data() + span.offset, from + span.offset, std::size_t(span.width));
}

Status buildPerCarrier(const ProgramFolder& folder, const BuildSource& source,
                       BuildProgress& progress)
{
    TableScan scan(source.path, source.index, source.filter);
    if (Status s = openSource(source, scan); !s)
        return s;
    if (!scan.hasField(source.keyField))
        return Status::error(QStringLiteral("Databáze nemá pole %1.").arg(source.keyField),
                             source.path);
    const SourceLayout layout(scan);
    const Span key = layout.span(scan, source.keyField);
    int count = 0;
    while (scan.next())
        count += isBlank(scan.rawRecord() + key.offset, key.width) ? 0 : 1;
    progress.setPosition(100);
    progress.setMaximum(count);
    progress.setPosition(0);
    progress.setPhase(kSeparating);
    if (count == 0)
        return Status::ok();
    BulkWriter writer;
    if (Status s = openTarget(folder, scan, writer); !s)
        return s;
    QByteArray row(layout.recordLength, ' ');
    int position = 0;
    scan.rewind();
    while (scan.next()) {
        const char* raw = scan.rawRecord();
        if (isBlank(raw + key.offset, key.width))
            continue;
        if (source.withTracks)
            std::memcpy(row.data(), raw, std::size_t(row.size()));
        else
            carry(layout, raw, row);
        if (Status s = writer.appendRaw(row.constData(), int(row.size())); !s)
            return s;
        progress.setPosition(++position);
    }
    return writer.finish();
}

// One pass over the source keeps what the copy needs, packed: the carried
// fields of each carrier with a track, and for each track position the
// carriers that fill it with the bytes of their title.
class TrackRows
{
public:
    explicit TrackRows(const SourceLayout& layout) : m_layout(layout)
    {
        for (const Span& span : layout.carried)
            m_stride += span.width;
        m_titleWidth = layout.tracks[0].width;
    }

    void collect(const char* raw)
    {
        int carrier = -1;
        for (int k = 0; k < kTracks; ++k) {
            const Span& track = m_layout.tracks[std::size_t(k)];
            if (isBlank(raw + track.offset, track.width))
                continue;
            if (carrier < 0)
                carrier = keepCarrier(raw);
            m_byPosition[std::size_t(k)].push_back({carrier, int(m_titles.size())});
            m_titles.append(raw + track.offset, qMin(track.width, m_titleWidth));
            m_titles.append(QByteArray(qMax(0, m_titleWidth - track.width), ' '));
        }
    }

    int count(int k) const { return int(m_byPosition[std::size_t(k)].size()); }

    // The row of the n-th track of position k.
    void fillRow(int k, int n, QByteArray& row) const
    {
        const Entry& entry = m_byPosition[std::size_t(k)][std::size_t(n)];
        row.fill(' ');
        const char* from = m_carriers.constData() + qsizetype(entry.carrier) * m_stride;
        for (const Span& span : m_layout.carried) {
            std::memcpy(row.data() + span.offset, from, std::size_t(span.width));
            from += span.width;
        }
        std::memcpy(row.data() + m_layout.tracks[0].offset, m_titles.constData() + entry.title,
                    std::size_t(m_titleWidth));
    }

private:
    struct Entry
    {
        int carrier;
        int title;
    };

    int keepCarrier(const char* raw)
    {
        for (const Span& span : m_layout.carried)
            m_carriers.append(raw + span.offset, span.width);
        return int(m_carriers.size() / m_stride) - 1;
    }

    const SourceLayout& m_layout;
    int m_stride = 0;
    int m_titleWidth = 0;
    QByteArray m_carriers;
    QByteArray m_titles;
    std::array<std::vector<Entry>, kTracks> m_byPosition;
};

Status buildPerTrack(const ProgramFolder& folder, const BuildSource& source,
                     BuildProgress& progress)
{
    TableScan scan(source.path, source.index, source.filter);
    if (Status s = openSource(source, scan); !s)
        return s;
    const SourceLayout layout(scan);
    TrackRows rows(layout);
    while (scan.next())
        rows.collect(scan.rawRecord());
    // The bar moves as it would after counting each position on its own.
    for (int k = 1; k <= kTracks; ++k)
        progress.setPosition(k <= 26 ? 15 + 3 * k : 94 + 2 * (k - 27));
    int total = 0;
    for (int k = 0; k < kTracks; ++k)
        total += rows.count(k);
    progress.setMaximum(total);
    progress.setPosition(0);
    progress.setPhase(kSeparating);
    BulkWriter writer;
    if (Status s = openTarget(folder, scan, writer); !s)
        return s;
    QByteArray row(layout.recordLength, ' ');
    int position = 0;
    for (int k = 0; k < kTracks; ++k) {
        if (rows.count(k) == 0)
            continue;
        progress.setPosition(++position);
        for (int n = 0; n < rows.count(k); ++n) {
            rows.fillRow(k, n, row);
            if (Status s = writer.appendRaw(row.constData(), int(row.size())); !s)
                return s;
            progress.setPosition(++position);
        }
    }
    return writer.finish();
}

} // namespace

BuildSource BuildSource::of(const TTable& table, Shape shape)
{
    BuildSource source;
    source.path = table.filePath();
    source.index = table.indexName();
    if (shape == Shape::PerTrack && table.filtered())
        source.filter = table.filter();
    return source;
}

Status buildAuxiliaryTable(Shape shape, const ProgramFolder& folder, const BuildSource& source,
                           BuildProgress& progress)
{
    if (Status s = prelude(shape, folder, progress); !s)
        return s;
    return shape == Shape::PerCarrier ? buildPerCarrier(folder, source, progress)
                                      : buildPerTrack(folder, source, progress);
}

} // namespace search
