#pragma once

#include <QString>

// Every path of the program is built from the program folder, the folder of the
// executable: the data folder "Data", the template folder "Data/Zaloha", the
// sounds "Zvuky" and the two INI files lie there.
class ProgramFolder final
{
public:
    explicit ProgramFolder(const QString& programFolder);

    // The folder of the running executable.
    static ProgramFolder ofApplication();

    // All folders end with a slash.
    const QString& programFolder() const { return m_program; }
    QString dataFolder() const;
    QString templateFolder() const;
    QString soundFolder() const;

    QString programIniPath() const; // Fonarium2000.ini
    QString suiteIniPath() const;   // Korvex.ini, shared with sibling programs

    // The path of the file `name` in `folder`, matched without regard to letter
    // case. When no such file exists, the path with `name` as given.
    static QString findFile(const QString& folder, const QString& name);
    static bool fileExists(const QString& folder, const QString& name);

private:
    QString m_program;
};
