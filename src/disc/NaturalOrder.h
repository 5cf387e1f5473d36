#pragma once

#include <QString>

namespace disc {

// File names as people count them: runs of digits compare as numbers, so
// "2 x.mp3" comes before "10 y.mp3"; letters compare without regard to case.
bool naturalLess(const QString& a, const QString& b);

} // namespace disc
