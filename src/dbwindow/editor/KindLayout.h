#pragma once

#include <QString>

#include <optional>

// What the record editor shows for a carrier kind: the headers of the track
// columns, the unit of lengths, whether the data bar carries the capacity,
// whether performer and genre apply and which part of the fill display is live.
struct KindLayout final
{
    enum class Fill
    {
        None,
        AudioCd,
        Mc,
        Data
    };

    QString leftHeader;  // Label31
    QString rightHeader; // Label33
    QString valueHeader; // Label32, Label34
    QString unit;        // Label19, Label3
    bool showsCapacity = false;
    bool performerAndGenre = false;
    Fill fill = Fill::None;

    // Nothing for a kind typed by hand: a shown record keeps what the previous
    // one set, an edited one is laid out as having no kind.
    static std::optional<KindLayout> of(const QString& kind);
    static KindLayout none() { return {}; }
};
