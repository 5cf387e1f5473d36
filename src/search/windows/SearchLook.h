#pragma once

#include <QColor>
#include <QFont>

// The look the search windows share: the light-yellow ground (14745599 as a
// classic colour value, 0x00BBGGRR) and the serif face of their texts.
namespace searchlook {

inline QColor ground()
{
    constexpr unsigned colorRef = 14745599;
    return QColor(colorRef & 0xff, (colorRef >> 8) & 0xff, (colorRef >> 16) & 0xff);
}

inline QFont serifFont(int pointSize = 9, bool bold = false)
{
    QFont font;
    font.setFamilies({QStringLiteral("Times New Roman"), QStringLiteral("Liberation Serif")});
    font.setStyleHint(QFont::Serif);
    font.setPointSize(pointSize);
    font.setBold(bold);
    return font;
}

} // namespace searchlook
