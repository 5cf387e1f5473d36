#include "TPoznamkaEdit.h"

#include <QMimeData>

namespace {
bool holdsAnything(const QMimeData* source)
{
    return source && !source->formats().isEmpty();
}
} // namespace

bool TPoznamkaEdit::canInsertFromMimeData(const QMimeData* source) const
{
    return holdsAnything(source) && QPlainTextEdit::canInsertFromMimeData(source);
}

void TPoznamkaEdit::insertFromMimeData(const QMimeData* source)
{
    if (holdsAnything(source))
        QPlainTextEdit::insertFromMimeData(source);
}
