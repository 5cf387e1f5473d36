#pragma once

#include "Status.h"

#include <QImage>
#include <QString>

// The picture of the front labels, read from the file the user chose. The
// four offered types are bitmaps, icons and the two Windows metafiles; a
// file that is missing or cannot be read is told to the user by name.
class FrontPicture final
{
public:
    // The file filter of the choice dialog: the same three entries as ever.
    static QStringList fileFilters();

    // Loads `path` into `picture`; on failure `picture` is left as it was.
    static Status load(const QString& path, QImage* picture);
};
