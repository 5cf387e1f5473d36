#pragma once

#include "Status.h"
#include "TableLayout.h"

#include <QString>

// File-level work on the triple of a table (.dbf records, .dbt memo, .mdx index
// tags), done only while the table is closed. Names match without regard to
// letter case: templates are named ".Dbt" and ".Mdx", data files ".dbt", ".mdx".
namespace tablefiles {

// Creates the three files of an empty table in `folder`, with the extensions
// written as given (".dbt"/".mdx" or ".Dbt"/".Mdx"); an empty extension leaves
// that file out.
Status create(const QString& folder, const TableLayout& layout, const QString& memoExtension,
              const QString& indexExtension);

// Copies the template triple of `baseName` over the table in the data folder.
Status recreateFromTemplate(const QString& templateFolder, const QString& dataFolder,
                            const QString& baseName);

Status remove(const QString& dataFolder, const QString& baseName);

// A table exists when its .dbf exists.
bool exists(const QString& folder, const QString& baseName);

QString dbfPath(const QString& folder, const QString& baseName);
QString memoPath(const QString& folder, const QString& baseName);
QString indexPath(const QString& folder, const QString& baseName);

// A valid dBase memo file without memos.
Status writeEmptyMemo(const QString& path);

} // namespace tablefiles
