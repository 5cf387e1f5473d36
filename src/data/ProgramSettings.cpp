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

int ProgramSettings::searchCopy(SearchBuild build) const
{
    const QString value = m_ini.readString(kCheck, searchKey(build));
    bool ok = false;
    const int slot = value.toInt(&ok);
    return ok && slot >= 1 && slot <= 4 && value == QString::number(slot) ? slot : 0;
}

Status ProgramSettings::setSearchCopy(SearchBuild build, int slot) const
{
    return m_ini.writeInteger(kCheck, searchKey(build), slot >= 1 && slot <= 4 ? slot : 0);
}

Status ProgramSettings::forgetSearchCopies(int slot) const
{
    for (const SearchBuild build : {SearchBuild::Pomocna, SearchBuild::Pomocna1}) {
        if (searchCopy(build) != slot)
            continue;
        if (Status s = setSearchCopy(build, 0); !s)
            return s;
    }
    return Status::ok();
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
    keep(setSearchCopy(SearchBuild::Pomocna, 0));
    keep(setPicturePath(QString()));
    keep(m_ini.writeString(kCheck, QStringLiteral("Tipy"), flag(false)));
    keep(setSearchCopy(SearchBuild::Pomocna1, 0));
    return first;
}
