#pragma once

#include "Status.h"

#include <QString>

// A Windows-style INI file that is opened, read or written and released on every
// access, so that a value written by one window is seen by the next reader and by
// sibling programs sharing the file.
//
// Section and key names match without regard to case. Lines the program does not
// change stay byte for byte as they were (comments, order, foreign sections and
// their encoding). Text is written as UTF-8 and read as UTF-8 where it is valid,
// as Windows-1250 otherwise. The file is replaced atomically.
class IniFile final
{
public:
    explicit IniFile(QString path);

    const QString& path() const { return m_path; }

    // The stored text, or empty when the file, the section or the key is missing.
    QString readString(const QString& section, const QString& key) const;
    // The stored value as an integer, or defaultValue when it is missing or not a number.
    int readInteger(const QString& section, const QString& key, int defaultValue = 0) const;

    // Creates the file, the section or the key as needed.
    [[nodiscard]] Status writeString(const QString& section, const QString& key,
                                     const QString& value) const;
    [[nodiscard]] Status writeInteger(const QString& section, const QString& key, int value) const;

private:
    QString m_path;
};
