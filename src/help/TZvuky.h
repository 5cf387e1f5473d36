#pragma once

#include "ProgramFolder.h"

#include <QObject>
#include <QString>

class QSoundEffect;

// The event sounds. Every event has its WAV file; a file is looked up in the
// current directory first and then in the Zvuky folder of the program, without
// regard to letter case. A missing file, a missing folder or a machine without
// a sound device mean silence. A sound started while another plays replaces it.
class TZvuky final : public QObject
{
    Q_OBJECT

public:
    enum class Udalost
    {
        PomocnikStart, // the assistant figure is shown
        PomocnikKonec, // the assistant figure is closed
        Dialog,        // a choice dialog is shown
        Dotaz,         // a question is shown
        Info,          // an information or progress window is shown
        Lista          // a page of the main window's side bar is clicked
    };
    Q_ENUM(Udalost)

    explicit TZvuky(const QString& programFolder, QObject* parent = nullptr);

    static QString fileName(Udalost udalost);

    // The file that would sound for `name`, or an empty string when there is none.
    QString find(const QString& name) const;

    // Returns at once; true when a file was found and handed to the sound device.
    bool play(Udalost udalost);
    bool play(const QString& name);

private:
    QSoundEffect* effect();

    ProgramFolder m_folder;
    QSoundEffect* m_effect = nullptr;
};
