#pragma once

#include "Status.h"

#include <QString>

// Which folder the program works in: its own folder when it may write there
// (run from the build, or from a folder the user copied), the family's
// per-user folder when it may not (installed read-only for every user), or
// the folder the user names on the command line. The chosen folder is laid
// out as the program folder is, only what is missing.
namespace workingfolder {

struct Choice
{
    QString folder;       // with a trailing slash
    bool perUser = false; // the per-user folder stands in for the program folder
};

// $XDG_DATA_HOME/Korvex/, by default ~/.local/share/Korvex/: sibling programs
// of the family share it as they share an installed program folder.
QString perUserFolder();

// Whether files can be created and written in `folder`.
bool isWritable(const QString& folder);

// `explicitFolder` empty: the program folder when writable, else the per-user
// folder. Only looks; nothing is created.
Choice choose(const QString& programFolder, const QString& explicitFolder);

// Lays the chosen folder out; a per-user folder first takes what is missing
// from the program folder's tables, templates and sounds. Fails with a Czech
// message when the folder cannot be created or written.
Status prepare(const Choice& choice, const QString& programFolder);

} // namespace workingfolder
