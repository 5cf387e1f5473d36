#include "KeyNames.h"

#include <cstring>

QString KeyNames::translate(const char* context, const char* sourceText, const char*, int) const
{
    if (!context || !sourceText || std::strcmp(context, "QShortcut") != 0)
        return {};
    if (std::strcmp(sourceText, "Return") == 0)
        return QStringLiteral("Enter");
    // The short English names are the program's own.
    return QString::fromLatin1(sourceText);
}
