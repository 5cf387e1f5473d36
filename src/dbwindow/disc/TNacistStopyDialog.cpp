#include "TNacistStopyDialog.h"

#include "DialogLook.h"
#include "TVolba.h"

#include <QFileDialog>

namespace {

std::optional<QString>& nextPath()
{
    static std::optional<QString> path;
    return path;
}

} // namespace

TNacistStopyDialog::TNacistStopyDialog(HlavniSluzby& sluzby, const QList<disc::Drive>& drives,
                                       QWidget* parent)
    : TVyberDialog(sluzby, QStringLiteral("SBO3"), QStringLiteral("Odkud chcete stopy načíst?"),
                   hintsFor(drives), parent),
      m_drives(drives)
{
    setObjectName(QStringLiteral("NacistStopyDialog"));
    setWindowTitle(QStringLiteral("Načíst stopy z disku"));
    setHint(this, QStringLiteral("Načtení stop z disku"));
}

QStringList TNacistStopyDialog::hintsFor(const QList<disc::Drive>& drives)
{
    QStringList hints;
    for (const disc::Drive& drive : drives)
        hints.append(QStringLiteral("Načte stopy z disku v mechanice %1").arg(drive.device));
    hints.append(QStringLiteral("Načte stopy z obrazu disku (.cue, .toc, .bin, .iso)"));
    hints.append(QStringLiteral("Načte soubory ze složky, například z připojeného MP3 nebo "
                                "datového CD"));
    return hints;
}

QString TNacistStopyDialog::driveText(const disc::Drive& drive)
{
    QString state;
    switch (drive.state) {
    case disc::Drive::State::NoDisc:
        state = QStringLiteral("bez disku");
        break;
    case disc::Drive::State::Audio:
        state = QStringLiteral("zvukový disk");
        break;
    case disc::Drive::State::Data:
        state = QStringLiteral("datový disk");
        break;
    }
    const QString name = drive.model.isEmpty()
                             ? drive.device
                             : QStringLiteral("%1 (%2)").arg(drive.device, drive.model);
    return QStringLiteral("%1: %2").arg(name, state);
}

void TNacistStopyDialog::fillEntries()
{
    const int drives = int(m_drives.size());
    for (int n = 1; n <= drives; ++n) {
        entry(n)->setText(driveText(m_drives.at(n - 1)));
        entry(n)->setStruck(m_drives.at(n - 1).state == disc::Drive::State::NoDisc);
    }
    entry(drives + 1)->setText(QStringLiteral("Obraz disku nebo cue soubor..."));
    entry(drives + 2)->setText(QStringLiteral("Složka..."));
}

void TNacistStopyDialog::choose(int entry)
{
    const int drives = int(m_drives.size());
    Source source{Source::Kind::Drive, {}};
    if (entry <= drives) {
        source.path = m_drives.at(entry - 1).device;
    } else {
        source.kind = entry == drives + 1 ? Source::Kind::Image : Source::Kind::Folder;
        source.path = choosePath(source.kind);
        if (source.path.isEmpty())
            return;
    }
    hide();
    emit chosen(source);
}

void TNacistStopyDialog::setNextPath(std::optional<QString> path)
{
    nextPath() = std::move(path);
}

QString TNacistStopyDialog::choosePath(Source::Kind kind)
{
    if (std::optional<QString> answer = nextPath()) {
        nextPath().reset();
        return *answer;
    }
    if (kind == Source::Kind::Folder)
        return QFileDialog::getExistingDirectory(this, QStringLiteral("Složka s nahrávkami"));
    return QFileDialog::getOpenFileName(
        this, QStringLiteral("Obraz disku nebo cue soubor"), QString(),
        QStringLiteral("Obrazy disků (*.cue *.toc *.bin *.iso);;Všechny soubory (*)"));
}
