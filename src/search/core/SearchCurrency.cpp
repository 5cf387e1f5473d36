#include "SearchCurrency.h"

#include "ProgramSettings.h"

namespace search {
namespace {
ProgramSettings::SearchBuild buildOf(Shape shape)
{
    return shape == Shape::PerCarrier ? ProgramSettings::SearchBuild::Pomocna
                                      : ProgramSettings::SearchBuild::Pomocna1;
}
} // namespace

SearchCurrency::SearchCurrency(QString programIniPath) : m_path(std::move(programIniPath)) {}

QString SearchCurrency::keyOf(Shape shape)
{
    return shape == Shape::PerCarrier ? QStringLiteral("Pomocna") : QStringLiteral("Pomocna1");
}

int SearchCurrency::slot(Shape shape) const
{
    return ProgramSettings(m_path).searchCopy(buildOf(shape));
}

bool SearchCurrency::isCurrent(Shape shape, int slot) const
{
    return slot >= 1 && slot <= 4 && this->slot(shape) == slot;
}

Status SearchCurrency::write(Shape shape, int value) const
{
    return ProgramSettings(m_path).setSearchCopy(buildOf(shape), value);
}

Status SearchCurrency::beginBuild() const
{
    if (Status s = write(Shape::PerTrack, 0); !s)
        return s;
    return write(Shape::PerCarrier, 0);
}

Status SearchCurrency::markBuilt(Shape shape, int slot) const
{
    if (slot < 1 || slot > 4)
        return Status::ok();
    const Shape other = shape == Shape::PerCarrier ? Shape::PerTrack : Shape::PerCarrier;
    if (Status s = write(other, 0); !s)
        return s;
    return write(shape, slot);
}

Status SearchCurrency::markReportCopy() const
{
    return markAllStale();
}

Status SearchCurrency::kindChoiceChanged() const
{
    return write(Shape::PerTrack, 0);
}

Status SearchCurrency::markAllStale() const
{
    return beginBuild();
}

} // namespace search
