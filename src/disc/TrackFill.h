#pragma once

#include "DiscReading.h"

#include <QLocale>
#include <QString>
#include <QStringList>

#include <optional>

// What a reading puts into a carrier record: the kind when it was still
// empty, the thirty track titles and values in the record's notation, and
// the title and performer when the user has not typed them yet. Lengths are
// minutes with the seconds as two decimals (3 min 45 s is 3,45), sizes
// megabytes with two decimals.
class TrackFill final
{
public:
    static constexpr int kTracks = 30;

    // The texts of the editors a fill touches.
    struct Record
    {
        QString kind;
        QString title;
        QString performer;
        QStringList titles; // kTracks each
        QStringList values;
    };

    struct Result
    {
        Status status; // failure: the record stays as it was
        Record record;
        bool overwrites = false; // some track editor held text before
        QStringList notes;       // told to the user once the tracks are in
    };

    // LP and MC have no disc; a kind typed by hand has no tracks to read.
    static Status checkKind(const QString& kind);
    // What a folder holds for a carrier of `kind`.
    static disc::FolderContent folderContentFor(const QString& kind);

    static Result plan(const Record& record, const disc::Reading& reading,
                       const QLocale& locale = QLocale());

    static QString lengthText(qint64 milliseconds, const QLocale& locale);
    static QString sizeText(qint64 bytes, const QLocale& locale);
    // A text from outside as a record can hold it: in the table's code page
    // and no longer than the field.
    static QString fieldText(const QString& text, int width);

private:
    static std::optional<QString> kindFor(const QString& kind, const disc::Reading& reading,
                                          Status* status);
    static void fillTracks(Result* result, const disc::Reading& reading, const QLocale& locale);
};
