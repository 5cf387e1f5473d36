// Discs in drives and disc images, read through libcdio.
#include "DiscReading.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <cdio/cdio.h>
#include <cdio/cdtext.h>
#include <cdio/iso9660.h>
#include <cdio/logging.h>

#include <memory>
#include <mutex>

namespace disc {
namespace {

constexpr int kFramesPerSecond = 75;

// libcdio writes its complaints to stderr; ours are said in the messages.
void quiet(cdio_log_level_t, const char*) {}

void silenceLibrary()
{
    static std::once_flag once;
    std::call_once(once, [] { cdio_log_set_handler(quiet); });
}

struct CdioCloser
{
    void operator()(CdIo_t* cdio) const { cdio_destroy(cdio); }
};
using Cdio = std::unique_ptr<CdIo_t, CdioCloser>;

bool goOn(const Progress& progress, int percent)
{
    return !progress || progress(percent);
}

// CD-Text is Latin-1 on a disc and libcdio hands it over as UTF-8. A cue
// sheet written in UTF-8 is taken for Latin-1 all the same, so its accents
// arrive encoded twice; such a text is decoded once more.
QString cdText(cdtext_t* text, cdtext_field_t field, track_t track)
{
    const char* value = text ? cdtext_get_const(text, field, track) : nullptr;
    if (!value)
        return {};
    const QString once = QString::fromUtf8(value).trimmed();
    bool latin = true;
    for (const QChar c : once)
        latin = latin && c.unicode() <= 0xFF;
    if (!latin)
        return once;
    const QByteArray bytes = once.toLatin1();
    const QString twice = QString::fromUtf8(bytes);
    const bool clean = !twice.contains(QChar::ReplacementCharacter) && twice != once;
    return clean ? twice : once;
}

Drive::State stateOf(CdIo_t* cdio)
{
    const discmode_t mode = cdio_get_discmode(cdio);
    if (mode == CDIO_DISC_MODE_NO_INFO || mode == CDIO_DISC_MODE_ERROR)
        return Drive::State::NoDisc;
    const track_t first = cdio_get_first_track_num(cdio);
    if (first == CDIO_INVALID_TRACK)
        return Drive::State::NoDisc;
    return cdio_get_track_format(cdio, first) == TRACK_FORMAT_AUDIO ? Drive::State::Audio
                                                                    : Drive::State::Data;
}

QString modelOf(CdIo_t* cdio)
{
    cdio_hwinfo_t info{};
    if (!cdio_get_hwinfo(cdio, &info))
        return {};
    return QStringLiteral("%1 %2")
        .arg(QString::fromLatin1(info.psz_vendor).trimmed(),
             QString::fromLatin1(info.psz_model).trimmed())
        .trimmed();
}

// The table of contents and CD-Text of an opened disc. Data tracks of a
// mixed disc are left out with a warning.
Reading readAudio(CdIo_t* cdio, const QString& source, const Progress& progress)
{
    Reading reading;
    reading.content = Content::AudioTracks;
    const track_t first = cdio_get_first_track_num(cdio);
    const track_t count = cdio_get_num_tracks(cdio);
    if (first == CDIO_INVALID_TRACK || count == CDIO_INVALID_TRACK || count == 0) {
        reading.status =
            Status::error(QStringLiteral("Na disku „%1“ nejsou žádné stopy.").arg(source));
        return reading;
    }
    if (!goOn(progress, 30))
        return failed(cancelled());
    cdtext_t* text = cdio_get_cdtext(cdio);
    if (!goOn(progress, 60))
        return failed(cancelled());
    reading.title = cdText(text, CDTEXT_FIELD_TITLE, 0);
    reading.performer = cdText(text, CDTEXT_FIELD_PERFORMER, 0);
    for (track_t n = first; n < first + count; ++n) {
        if (cdio_get_track_format(cdio, n) != TRACK_FORMAT_AUDIO) {
            reading.warnings.append(
                QStringLiteral("Stopa %1 obsahuje data, ne zvuk; byla vynechána.").arg(n));
            continue;
        }
        Track track;
        track.title = cdText(text, CDTEXT_FIELD_TITLE, n);
        track.performer = cdText(text, CDTEXT_FIELD_PERFORMER, n);
        track.milliseconds = qint64(cdio_get_track_sec_count(cdio, n)) * 1000 / kFramesPerSecond;
        reading.tracks.append(track);
    }
    if (reading.tracks.isEmpty())
        reading.status =
            Status::error(QStringLiteral("Na disku „%1“ nejsou žádné zvukové stopy.").arg(source));
    return reading;
}

// The files a cue sheet or a TOC file names, so that a missing one can be
// told by its name rather than as a broken image.
QStringList dataFilesOf(const QString& sheet)
{
    QFile file(sheet);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    static const QRegularExpression named(
        QStringLiteral(R"re(^\s*(?:FILE|AUDIOFILE|DATAFILE)\s+"([^"]+)")re"),
        QRegularExpression::CaseInsensitiveOption);
    QStringList files;
    for (const QByteArray& line : file.readAll().split('\n')) {
        const QRegularExpressionMatch match = named.match(QString::fromUtf8(line));
        if (match.hasMatch())
            files.append(match.captured(1));
    }
    return files;
}

Status checkDataFiles(const QFileInfo& sheet)
{
    for (const QString& name : dataFilesOf(sheet.filePath())) {
        const QFileInfo data(QDir(sheet.absolutePath()), name);
        if (!data.isFile())
            return Status::error(QStringLiteral("Datový soubor „%1“, na který odkazuje „%2“, "
                                                "chybí.")
                                     .arg(name, sheet.fileName()));
    }
    return Status::ok();
}

qint64 isoSize(iso9660_t* iso, const QByteArray& path, int depth);

struct IsoEntry
{
    QString name;
    qint64 bytes;
};

QList<IsoEntry> isoEntries(iso9660_t* iso, const QByteArray& path, int depth)
{
    QList<IsoEntry> entries;
    CdioList_t* list = iso9660_ifs_readdir(iso, path.constData());
    if (!list)
        return entries;
    for (CdioListNode_t* node = _cdio_list_begin(list); node; node = _cdio_list_node_next(node)) {
        const auto* stat = static_cast<iso9660_stat_t*>(_cdio_list_node_data(node));
        const QByteArray raw(stat->filename);
        if (raw == "." || raw == "..")
            continue;
        QString name = QString::fromUtf8(raw);
        // Plain ISO 9660 names carry a version: "README.TXT;1".
        name = name.section(QLatin1Char(';'), 0, 0);
        const bool folder = stat->type == iso9660_stat_s::_STAT_DIR;
        const qint64 bytes = folder ? isoSize(iso, path + raw + '/', depth + 1) : stat->size;
        entries.append({name, bytes});
    }
    iso9660_filelist_free(list);
    return entries;
}

// Nested folders deeper than any real disc holds are a broken image.
qint64 isoSize(iso9660_t* iso, const QByteArray& path, int depth)
{
    if (depth > 32)
        return 0;
    qint64 total = 0;
    for (const IsoEntry& entry : isoEntries(iso, path, depth))
        total += entry.bytes;
    return total;
}

Reading readIso(const QFileInfo& image)
{
    iso9660_t* iso =
        iso9660_open_ext(QFile::encodeName(image.filePath()).constData(), ISO_EXTENSION_ALL);
    if (!iso)
        return failed(Status::error(QStringLiteral("Soubor „%1“ není čitelný obraz datového disku.")
                                        .arg(image.fileName())));
    Reading reading;
    reading.content = Content::Entries;
    for (const IsoEntry& entry : isoEntries(iso, "/", 0))
        reading.tracks.append({entry.name, {}, -1, entry.bytes});
    iso9660_close(iso);
    if (reading.tracks.isEmpty())
        reading.status =
            Status::error(QStringLiteral("Obraz disku „%1“ je prázdný.").arg(image.fileName()));
    return reading;
}

} // namespace

Reading failed(Status status)
{
    Reading reading;
    reading.status = std::move(status);
    return reading;
}

Status cancelled()
{
    return Status::error(QStringLiteral("Načítání stop bylo přerušeno."));
}

QList<Drive> drives()
{
    silenceLibrary();
    QList<Drive> found;
    char** devices = cdio_get_devices(DRIVER_DEVICE);
    if (!devices)
        return found;
    for (char** device = devices; *device; ++device) {
        Drive drive;
        drive.device = QFile::decodeName(*device);
        if (Cdio cdio{cdio_open(*device, DRIVER_DEVICE)}) {
            drive.model = modelOf(cdio.get());
            drive.state = stateOf(cdio.get());
        }
        found.append(drive);
    }
    cdio_free_device_list(devices);
    return found;
}

Reading readDrive(const QString& device, const Progress& progress)
{
    silenceLibrary();
    if (!goOn(progress, 0))
        return failed(cancelled());
    Cdio cdio{cdio_open(QFile::encodeName(device).constData(), DRIVER_DEVICE)};
    if (!cdio)
        return failed(Status::error(QStringLiteral("Mechaniku „%1“ nelze otevřít.").arg(device)));
    if (!goOn(progress, 10))
        return failed(cancelled());
    switch (stateOf(cdio.get())) {
    case Drive::State::NoDisc:
        return failed(Status::error(QStringLiteral("V mechanice „%1“ není disk.").arg(device)));
    case Drive::State::Data:
        return failed(
            Status::error(QStringLiteral("V mechanice „%1“ je datový disk. Jeho soubory "
                                         "načtete volbou „Složka...“ ze složky, kde je disk "
                                         "připojen.")
                              .arg(device)));
    case Drive::State::Audio:
        break;
    }
    return readAudio(cdio.get(), device, progress);
}

namespace {

// libcdio reads a TOC file's CD-Text only when its language map stands on one
// line, while cdrdao writes the map over several. A copy with the map on one
// line and the data files named by their full paths is read instead.
bool writeReadableToc(const QFileInfo& toc, const QString& copy)
{
    QFile in(toc.filePath());
    if (!in.open(QIODevice::ReadOnly))
        return false;
    QString text = QString::fromUtf8(in.readAll());
    static const QRegularExpression map(QStringLiteral(R"re(LANGUAGE_MAP\s*\{([^}]*)\})re"));
    static const QRegularExpression comment(QStringLiteral("//[^\n]*"));
    for (QRegularExpressionMatch m = map.match(text); m.hasMatch();
         m = map.match(text, m.capturedStart() + 1)) {
        QString inner = m.captured(1);
        inner.remove(comment);
        text.replace(m.capturedStart(), m.capturedLength(),
                     QStringLiteral("LANGUAGE_MAP { %1 }").arg(inner.simplified()));
    }
    static const QRegularExpression file(
        QStringLiteral(R"re(\b(FILE|AUDIOFILE|DATAFILE)(\s+)"([^"]+)")re"));
    QString out;
    qsizetype from = 0;
    for (auto it = file.globalMatch(text); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        out += text.mid(from, m.capturedStart() - from);
        out += m.captured(1) + m.captured(2) + QLatin1Char('"') +
               QDir(toc.absolutePath()).absoluteFilePath(m.captured(3)) + QLatin1Char('"');
        from = m.capturedEnd();
    }
    out += text.mid(from);
    QFile written(copy);
    const QByteArray bytes = out.toUtf8();
    return written.open(QIODevice::WriteOnly) && written.write(bytes) == bytes.size();
}

} // namespace

Reading readImage(const QString& path, const Progress& progress)
{
    silenceLibrary();
    const QFileInfo image(path);
    if (!image.isFile())
        return failed(Status::error(QStringLiteral("Soubor „%1“ neexistuje.").arg(path)));
    const QString suffix = image.suffix().toLower();
    if (suffix == QLatin1String("iso"))
        return readIso(image);
    QFileInfo sheet = image;
    // A .bin image is described by the cue sheet of the same name beside it.
    if (suffix == QLatin1String("bin")) {
        sheet = QFileInfo(image.dir(), image.completeBaseName() + QStringLiteral(".cue"));
        if (!sheet.isFile())
            return failed(Status::error(QStringLiteral("K obrazu „%1“ chybí cue soubor „%2“.")
                                            .arg(image.fileName(), sheet.fileName())));
    }
    if (Status s = checkDataFiles(sheet); !s)
        return failed(s);
    if (!goOn(progress, 10))
        return failed(cancelled());
    Cdio cdio{cdio_open(QFile::encodeName(sheet.filePath()).constData(), DRIVER_UNKNOWN)};
    QTemporaryDir retry;
    const QString copy = retry.filePath(QStringLiteral("disk.toc"));
    if (!cdio && suffix == QLatin1String("toc") && retry.isValid() && writeReadableToc(sheet, copy))
        cdio.reset(cdio_open(QFile::encodeName(copy).constData(), DRIVER_CDRDAO));
    if (!cdio)
        return failed(Status::error(QStringLiteral("Soubor „%1“ není platný obraz disku ani cue "
                                                   "soubor.")
                                        .arg(sheet.fileName())));
    return readAudio(cdio.get(), image.fileName(), progress);
}

} // namespace disc
