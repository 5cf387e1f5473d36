#include "SearchCurrency.h"

#include "IniFile.h"

namespace search {
namespace {
const QString kSection = QStringLiteral("Kontrola");
}

SearchCurrency::SearchCurrency(QString programIniPath) : m_path(std::move(programIniPath)) {}

QString SearchCurrency::keyOf(Shape shape)
{
    return shape == Shape::PerCarrier ? QStringLiteral("Pomocna") : QStringLiteral("Pomocna1");
}

QString SearchCurrency::value(Shape shape) const
{
    return IniFile(m_path).readString(kSection, keyOf(shape));
}

bool SearchCurrency::isCurrent(Shape shape, int slot) const
{
    return slot >= 1 && slot <= 4 && value(shape) == QString::number(slot);
}

Status SearchCurrency::write(Shape shape, int value) const
{
    return IniFile(m_path).writeInteger(kSection, keyOf(shape), value);
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
