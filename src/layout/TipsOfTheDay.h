#pragma once

#include <QStringList>

// The tips of the day that a new program folder starts with.
const QStringList& tipsOfTheDay();
