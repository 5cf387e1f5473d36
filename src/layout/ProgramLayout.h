#pragma once

#include "Status.h"

#include <QString>
#include <QStringList>

// Lays out a program folder: the data folder with the empty standard database,
// the loan register and the tips, the templates, the event sounds and the two
// INI files with the settings a new user starts with. Only what is missing is
// created; a user's existing data and settings are never touched.
namespace programlayout {

struct Report
{
    QStringList created;
};

Status layOut(const QString& programFolder, Report* report = nullptr);

// The program INI file a new user starts with: every bar shown, the tips window
// on, no database open, the three optional databases not created.
QByteArray defaultProgramIni();

} // namespace programlayout
