#pragma once

#include "Status.h"
#include "TableLayout.h"

#include <QList>
#include <QString>

#include <optional>

// The .mdx beside a table names the index tags it carries, in a small text
// format of our own. The engine builds the indexes themselves in memory when it
// opens a table, so this file never goes stale with the data.
namespace indexfile {

Status write(const QString& path, const TableLayout& layout);

// The tags of a file written by write(); empty when the file is missing or is
// not ours (an index from another program, for example).
std::optional<QList<IndexTag>> read(const QString& path);

} // namespace indexfile
