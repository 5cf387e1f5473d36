#include "TrackFill.h"

#include "CarrierKind.h"
#include "CodePage.h"
#include "TableLayout.h"

namespace {

const QString kAudioCd = QStringLiteral("Audio CD");
const QString kMp3Cd = QStringLiteral("Audio MP3 CD");
const QString kDataCd = QStringLiteral("Datové CD");

int widthOf(const QString& field)
{
    const TableLayout layout = layouts::carrier(QStringLiteral("AudioS"));
    return layout.fields.at(layout.fieldIndex(field)).width;
}

bool anyText(const QStringList& texts)
{
    for (const QString& text : texts) {
        if (!text.trimmed().isEmpty())
            return true;
    }
    return false;
}

} // namespace

Status TrackFill::checkKind(const QString& kind)
{
    if (kind == QLatin1String("LP") || kind == QLatin1String("MC"))
        return Status::error(QStringLiteral("Nosiče LP a MC nemají disk, ze kterého by šlo stopy "
                                            "načíst. Stopy zapište ručně."));
    if (!kind.isEmpty() && kind != kAudioCd && kind != kMp3Cd && kind != kDataCd)
        return Status::error(QStringLiteral("Stopy lze načíst jen pro nosiče Audio CD, Audio MP3 "
                                            "CD a Datové CD."));
    return Status::ok();
}

disc::FolderContent TrackFill::folderContentFor(const QString& kind)
{
    if (kind == kAudioCd || kind == kMp3Cd)
        return disc::FolderContent::AudioFiles;
    if (kind == kDataCd)
        return disc::FolderContent::Entries;
    return disc::FolderContent::Guess;
}

// An empty kind takes the source's; a chosen kind must suit the source.
std::optional<QString> TrackFill::kindFor(const QString& kind, const disc::Reading& reading,
                                          Status* status)
{
    using disc::Content;
    if (kind.isEmpty()) {
        switch (reading.content) {
        case Content::AudioTracks:
            return kAudioCd;
        case Content::AudioFiles:
            return kMp3Cd;
        case Content::Entries:
            return kDataCd;
        }
    }
    const bool suits = (kind == kAudioCd && reading.content != Content::Entries) ||
                       (kind == kMp3Cd && reading.content == Content::AudioFiles) ||
                       (kind == kDataCd && reading.content != Content::AudioTracks);
    if (suits)
        return kind;
    *status = Status::error(
        reading.content == Content::AudioTracks
            ? QStringLiteral("Na zdroji jsou stopy zvukového CD, nosič „%1“ ale obsahuje soubory. "
                             "Zvolte druh nosiče Audio CD.")
                  .arg(kind)
            : QStringLiteral("Ve zdroji nejsou zvukové soubory, které nosič „%1“ potřebuje.")
                  .arg(kind));
    return std::nullopt;
}

TrackFill::Result TrackFill::plan(const Record& record, const disc::Reading& reading,
                                  const QLocale& locale)
{
    Result result;
    result.record = record;
    if (!reading.status) {
        result.status = reading.status;
        return result;
    }
    if (Status s = checkKind(record.kind); !s) {
        result.status = s;
        return result;
    }
    const std::optional<QString> kind = kindFor(record.kind, reading, &result.status);
    if (!kind)
        return result;
    result.record.kind = *kind;
    result.overwrites = anyText(record.titles) || anyText(record.values);
    fillTracks(&result, reading, locale);
    if (result.record.title.trimmed().isEmpty() && !reading.title.isEmpty())
        result.record.title = fieldText(reading.title, widthOf(QStringLiteral("NAZEV")));
    if (result.record.performer.trimmed().isEmpty() && !reading.performer.isEmpty())
        result.record.performer =
            fieldText(reading.performer, widthOf(QStringLiteral("INTERPRET")));
    result.notes += reading.warnings;
    return result;
}

void TrackFill::fillTracks(Result* result, const disc::Reading& reading, const QLocale& locale)
{
    const bool lengths = result->record.kind == kAudioCd;
    const int width = widthOf(QStringLiteral("A1"));
    QStringList titles;
    QStringList values;
    for (const disc::Track& track : reading.tracks) {
        if (titles.size() == kTracks)
            break;
        const QString title =
            track.title.isEmpty() ? QStringLiteral("Stopa %1").arg(titles.size() + 1) : track.title;
        titles.append(fieldText(title, width));
        values.append(lengths ? lengthText(track.milliseconds, locale)
                              : sizeText(track.bytes, locale));
    }
    while (titles.size() < kTracks) {
        titles.append(QString());
        values.append(QString());
    }
    result->record.titles = titles;
    result->record.values = values;
    if (const qsizetype left = reading.tracks.size() - kTracks; left > 0)
        result->notes.append(QStringLiteral("Záznam pojme nejvýše %1 stop, %2 dalších nebylo "
                                            "načteno.")
                                 .arg(kTracks)
                                 .arg(left));
}

QString TrackFill::lengthText(qint64 milliseconds, const QLocale& locale)
{
    if (milliseconds < 0)
        return {};
    const qint64 seconds = (milliseconds + 500) / 1000;
    const QString plain =
        QStringLiteral("%1.%2").arg(seconds / 60).arg(seconds % 60, 2, 10, QLatin1Char('0'));
    return carrierkind::minuteText(plain, locale);
}

QString TrackFill::sizeText(qint64 bytes, const QLocale& locale)
{
    if (bytes < 0)
        return {};
    // Hundredths of a megabyte of 1 048 576 bytes, rounded to the nearest.
    const qint64 hundredths = (bytes * 100 + (1 << 19)) >> 20;
    const QString point = locale.decimalPoint();
    return QStringLiteral("%1%2%3")
        .arg(hundredths / 100)
        .arg(point.isEmpty() ? QStringLiteral(".") : point)
        .arg(hundredths % 100, 2, 10, QLatin1Char('0'));
}

QString TrackFill::fieldText(const QString& text, int width)
{
    const CodePage page = CodePage::forLanguageDriver(CodePage::kWindows1250);
    return page.transliterate(text.simplified()).left(width).trimmed();
}
