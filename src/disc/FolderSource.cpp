// Folders: a mounted MP3 or data disc, or any folder of audio files.
#include "DiscReading.h"
#include "NaturalOrder.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QSet>

#include <taglib/audioproperties.h>
#include <taglib/fileref.h>
#include <taglib/tag.h>

#include <algorithm>

namespace disc {
namespace {

const QSet<QString>& audioSuffixes()
{
    static const QSet<QString> suffixes = {
        QStringLiteral("mp3"), QStringLiteral("mp2"),  QStringLiteral("ogg"),
        QStringLiteral("oga"), QStringLiteral("opus"), QStringLiteral("flac"),
        QStringLiteral("wav"), QStringLiteral("aif"),  QStringLiteral("aiff"),
        QStringLiteral("m4a"), QStringLiteral("wma"),  QStringLiteral("ape"),
        QStringLiteral("wv"),  QStringLiteral("mpc"),
    };
    return suffixes;
}

bool isAudio(const QFileInfo& file)
{
    return file.isFile() && audioSuffixes().contains(file.suffix().toLower());
}

constexpr QDir::Filters kEntries =
    QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System;

QFileInfoList sortedEntries(const QDir& folder)
{
    QFileInfoList entries = folder.entryInfoList(kEntries, QDir::NoSort);
    std::sort(entries.begin(), entries.end(), [](const QFileInfo& a, const QFileInfo& b) {
        return naturalLess(a.fileName(), b.fileName());
    });
    return entries;
}

// Depth first, each folder's entries in name order, so that "CD1/10 x.mp3"
// follows "CD1/2 y.mp3" and both come before "CD2".
void collectAudio(const QDir& folder, QFileInfoList* files, int depth)
{
    if (depth > 32)
        return;
    for (const QFileInfo& entry : sortedEntries(folder)) {
        if (entry.isDir() && !entry.isSymLink())
            collectAudio(QDir(entry.filePath()), files, depth + 1);
        else if (isAudio(entry))
            files->append(entry);
    }
}

bool holdsAudio(const QString& path)
{
    QDirIterator it(path, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        if (isAudio(QFileInfo(it.next())))
            return true;
    }
    return false;
}

qint64 folderSize(const QString& path)
{
    qint64 total = 0;
    QDirIterator it(path, QDir::Files | QDir::Hidden | QDir::System, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        it.next();
        total += it.fileInfo().size();
    }
    return total;
}

QString tagText(const TagLib::String& text)
{
    return QString::fromStdString(text.to8Bit(true)).trimmed();
}

Status unreadableFile(const QFileInfo& file)
{
    return Status::error(
        QStringLiteral("Zvukový soubor „%1“ nelze přečíst: není to platný zvukový soubor.")
            .arg(file.fileName()),
        file.filePath());
}

// The title of a file without one in its tags is its name without the
// extension.
Status readAudioFile(const QFileInfo& file, Track* track)
{
    const TagLib::FileRef ref(QFile::encodeName(file.filePath()).constData(), true,
                              TagLib::AudioProperties::Fast);
    // A file with a tag and no sound in it has no bit rate and no length.
    const TagLib::AudioProperties* audio = ref.isNull() ? nullptr : ref.audioProperties();
    if (!audio || !ref.file()->isValid() ||
        (audio->bitrate() <= 0 && audio->lengthInMilliseconds() <= 0))
        return unreadableFile(file);
    if (const TagLib::Tag* tag = ref.tag()) {
        track->title = tagText(tag->title());
        track->performer = tagText(tag->artist());
    }
    if (track->title.isEmpty())
        track->title = file.completeBaseName();
    track->milliseconds = audio->lengthInMilliseconds();
    track->bytes = file.size();
    return Status::ok();
}

// The performer every file names, when they all name the same one.
QString commonPerformer(const QList<Track>& tracks)
{
    QString common;
    for (const Track& track : tracks) {
        if (track.performer.isEmpty() || (!common.isEmpty() && track.performer != common))
            return {};
        common = track.performer;
    }
    return common;
}

Reading readAudioFiles(const QString& path, const Progress& progress)
{
    QFileInfoList files;
    collectAudio(QDir(path), &files, 0);
    if (files.isEmpty())
        return failed(Status::error(
            QStringLiteral("Ve složce „%1“ nejsou žádné zvukové soubory.").arg(path)));
    Reading reading;
    reading.content = Content::AudioFiles;
    for (qsizetype n = 0; n < files.size(); ++n) {
        if (progress && !progress(int(n * 100 / files.size())))
            return failed(cancelled());
        Track track;
        if (Status s = readAudioFile(files.at(n), &track); !s)
            return failed(s);
        reading.tracks.append(track);
    }
    reading.performer = commonPerformer(reading.tracks);
    return reading;
}

Reading readEntries(const QString& path)
{
    Reading reading;
    reading.content = Content::Entries;
    for (const QFileInfo& entry : sortedEntries(QDir(path))) {
        const qint64 bytes = entry.isDir() ? folderSize(entry.filePath()) : entry.size();
        reading.tracks.append({entry.fileName(), {}, -1, bytes});
    }
    return reading;
}

} // namespace

Reading readFolder(const QString& path, FolderContent what, const Progress& progress)
{
    const QFileInfo folder(path);
    if (!folder.isDir())
        return failed(Status::error(QStringLiteral("Složka „%1“ neexistuje.").arg(path)));
    const QDir dir(path);
    if (!folder.isReadable() || !folder.isExecutable())
        return failed(Status::error(QStringLiteral("Složku „%1“ nelze číst.").arg(path)));
    if (dir.isEmpty(kEntries))
        return failed(Status::error(QStringLiteral("Složka „%1“ je prázdná.").arg(path)));
    if (what == FolderContent::Guess)
        what = holdsAudio(path) ? FolderContent::AudioFiles : FolderContent::Entries;
    return what == FolderContent::AudioFiles ? readAudioFiles(path, progress) : readEntries(path);
}

} // namespace disc
