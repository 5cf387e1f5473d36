#pragma once

#include "Status.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

// Which record commands the user can reach, decided from the state of the
// active database window. The main window applies these to its menu items,
// toolbar and side-bar buttons and to the window's pop-up menu whenever that
// state changes.
class TTable;

namespace recordrules {

enum class WindowState
{
    Editing, // a record is being edited or created
    Empty,   // the table shows no record
    AtStart, // on the first record
    AtEnd,   // on the last record
    Inside
};

// Editing wins over the table's flags; an empty table has both flags set.
WindowState stateOf(bool editing, bool bof, bool eof);

struct Rule
{
    QString item;
    std::optional<bool> enabled; // empty: the item is left as it is
};

// Every item the rules govern, in a fixed order, with its setting for `state`.
QList<Rule> rulesFor(WindowState state);

// The commands a record offers both in the main menu and in the database
// window's pop-up menu, which show the same status-bar hint for each.
enum class RecordCommand
{
    Preview,
    Print,
    Cut,
    Copy,
    Paste,
    Delete,
    Edit,
    Save,
    Undo,
    Find,
    First,
    Previous,
    Next,
    Last,
    New,
    ReadTracks
};
QString hintOf(RecordCommand command);

// The items of the active window's pop-up menu start with "MP".
bool isPopupItem(const QString& item);

// The kind choice: item name (N0, NO1 ... NO5) in menu order, the filter it
// sets and the kind it stands for (empty for all kinds and unknown items).
QString kindFilter(const QString& item);
QString kindOfItem(const QString& item);
const QStringList& kindItems();

// A carrier being saved carries the date of its last change in DATUM.
Status stampToday(TTable& table);

} // namespace recordrules
