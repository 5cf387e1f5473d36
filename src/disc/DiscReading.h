#pragma once

#include "Status.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

// What can be read of a carrier from the carrier itself: the tracks of an
// audio CD in a drive or in an image, the audio files of a folder, or the
// entries of a data disc. Nothing is looked up on the network; nothing here
// shows a window.
namespace disc {

// What the tracks of a reading stand for.
enum class Content
{
    AudioTracks, // tracks of an audio CD, with lengths
    AudioFiles,  // audio files, with lengths and sizes
    Entries      // files and folders of a data disc, with sizes
};

struct Track
{
    QString title; // empty when the source names none
    QString performer;
    qint64 milliseconds = -1; // playing time; -1 when it has none
    qint64 bytes = -1;        // size of a file or folder; -1 for a CD track
};

// A failed reading carries no tracks; its message names what was wrong.
struct Reading
{
    Status status;
    Content content = Content::AudioTracks;
    QString title; // the disc's own title and performer, from CD-Text
    QString performer;
    QList<Track> tracks;
    QStringList warnings;
};

// Called between the steps of a long reading with how far it has got
// (0 ... 100); a false answer stops the reading.
using Progress = std::function<bool(int percent)>;

struct Drive
{
    enum class State
    {
        NoDisc,
        Audio,
        Data
    };
    QString device; // "/dev/sr0"
    QString model;  // vendor and model as the drive names itself
    State state = State::NoDisc;
};

// The optical drives of the computer with the state of their discs.
QList<Drive> drives();

// The table of contents and CD-Text of the disc in `device`.
Reading readDrive(const QString& device, const Progress& progress = {});

// A .cue, .toc or .bin image is read as if it were a disc in a drive; an
// .iso image as a data disc.
Reading readImage(const QString& path, const Progress& progress = {});

enum class FolderContent
{
    AudioFiles, // the audio files of the folder and its subfolders
    Entries,    // the files and folders of its top level
    Guess       // audio files when there are any, the entries otherwise
};
Reading readFolder(const QString& path, FolderContent what, const Progress& progress = {});

// The message of a reading the user stopped.
Status cancelled();
// A reading that found nothing, for the reason `status` gives.
Reading failed(Status status);

} // namespace disc
