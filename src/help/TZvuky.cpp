#include "TZvuky.h"

#include <QAudioDevice>
#include <QDir>
#include <QFileInfo>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QUrl>

namespace {
QString existingFile(const QString& folder, const QString& name)
{
    const QString path = ProgramFolder::findFile(folder, name);
    return QFileInfo(path).isFile() ? path : QString();
}
} // namespace

TZvuky::TZvuky(const QString& programFolder, QObject* parent)
    : QObject(parent), m_folder(programFolder)
{
}

QString TZvuky::fileName(Udalost udalost)
{
    switch (udalost) {
    case Udalost::PomocnikStart:
        return QStringLiteral("PomocnikStart.wav");
    case Udalost::PomocnikKonec:
        return QStringLiteral("PomocnikKonec.wav");
    case Udalost::Dialog:
        return QStringLiteral("Dialog.wav");
    case Udalost::Dotaz:
        return QStringLiteral("Dotaz.wav");
    case Udalost::Info:
        return QStringLiteral("Info.wav");
    case Udalost::Lista:
        break;
    }
    return QStringLiteral("Lista.wav");
}

QString TZvuky::find(const QString& name) const
{
    if (name.isEmpty())
        return {};
    const QString here = existingFile(QDir::currentPath(), name);
    if (!here.isEmpty())
        return here;
    return existingFile(m_folder.soundFolder(), name);
}

bool TZvuky::play(Udalost udalost)
{
    return play(fileName(udalost));
}

bool TZvuky::play(const QString& name)
{
    const QString path = find(name);
    if (path.isEmpty())
        return false;
    // Without an output the sound effect would only complain; stay silent.
    if (QMediaDevices::audioOutputs().isEmpty())
        return false;
    QSoundEffect* sound = effect();
    // Playing by absolute path leaves the current directory alone.
    sound->stop();
    sound->setSource(QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath()));
    sound->play();
    return true;
}

QSoundEffect* TZvuky::effect()
{
    if (!m_effect)
        m_effect = new QSoundEffect(this);
    return m_effect;
}
