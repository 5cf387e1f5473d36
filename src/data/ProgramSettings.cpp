#include "ProgramSettings.h"

namespace {

const QString kOpen = QStringLiteral("Otevreni");
const QString kCheck = QStringLiteral("Kontrola");
const QString kPicture = QStringLiteral("Obrazek");
const QString kView = QStringLiteral("Zobrazit");

QString openKey(int slot)
{
    return QStringLiteral("Databaze%1").arg(slot);
}

QString searchKey(ProgramSettings::SearchBuild build)
{
    return build == ProgramSettings::SearchBuild::Pomocna ? QStringLiteral("Pomocna")
                                                          : QStringLiteral("Pomocna1");
}

QString flag(bool on)
{
    return on ? QStringLiteral("1") : QStringLiteral("0");
}

} // namespace

ProgramSettings::ProgramSettings(QString programIniPath) : m_ini(std::move(programIniPath)) {}

bool ProgramSettings::isDatabaseOpen(int slot) const
{
    return m_ini.readString(kOpen, openKey(slot)) == QLatin1String("1");
}

Status ProgramSettings::setDatabaseOpen(int slot, bool open) const
{
    return m_ini.writeString(kOpen, openKey(slot), flag(open));
}

bool ProgramSettings::isSearchTableCurrent(SearchBuild build) const
{
    return m_ini.readString(kCheck, searchKey(build)) == QLatin1String("1");
}

Status ProgramSettings::setSearchTableCurrent(SearchBuild build, bool current) const
{
    return m_ini.writeString(kCheck, searchKey(build), flag(current));
}

QString ProgramSettings::picturePath() const
{
    return m_ini.readString(kPicture, kPicture);
}

Status ProgramSettings::setPicturePath(const QString& path) const
{
    return m_ini.writeString(kPicture, kPicture, path);
}

bool ProgramSettings::isViewShown(const QString& key) const
{
    return m_ini.readString(kView, key) == QLatin1String("1");
}

Status ProgramSettings::setViewShown(const QString& key, bool shown) const
{
    return m_ini.writeString(kView, key, flag(shown));
}

Status ProgramSettings::resetRunKeys() const
{
    Status first;
    const auto keep = [&first](Status s) {
        if (first && !s)
            first = std::move(s);
    };
    for (int slot = 1; slot <= 4; ++slot)
        keep(setDatabaseOpen(slot, false));
    keep(setSearchTableCurrent(SearchBuild::Pomocna, false));
    keep(setPicturePath(QString()));
    keep(m_ini.writeString(kCheck, QStringLiteral("Tipy"), flag(false)));
    keep(setSearchTableCurrent(SearchBuild::Pomocna1, false));
    return first;
}
