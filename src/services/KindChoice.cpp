#include "KindChoice.h"

#include "TableLayout.h"

#include <QList>
#include <QPair>

namespace {

// The kind items in menu order with the kind each stands for.
const QList<QPair<QString, QString>>& kinds()
{
    static const QList<QPair<QString, QString>> list{
        {QStringLiteral("N0"), QString()},
        {QStringLiteral("NO1"), QStringLiteral("Audio CD")},
        {QStringLiteral("NO5"), QStringLiteral("Audio MP3 CD")},
        {QStringLiteral("NO2"), QStringLiteral("Datové CD")},
        {QStringLiteral("NO3"), QStringLiteral("LP")},
        {QStringLiteral("NO4"), QStringLiteral("MC")}};
    return list;
}

} // namespace

KindChoice::KindChoice(QObject* parent) : QObject(parent) {}

void KindChoice::setItem(const QString& item)
{
    if (item == m_item)
        return;
    m_item = item;
    emit changed(item);
}

QString KindChoice::filterOf(const QString& item)
{
    for (const auto& [name, kind] : kinds()) {
        if (name == item)
            return kind.isEmpty() ? QStringLiteral("DRUH <> ' '")
                                  : QStringLiteral("DRUH = '%1'").arg(kind);
    }
    return {};
}

QString KindChoice::kindOf(const QString& item)
{
    for (const auto& [name, kind] : kinds()) {
        if (name == item)
            return kind;
    }
    return {};
}

bool KindChoice::withoutPerformer() const
{
    return m_item == QLatin1String("NO2") || m_item == QLatin1String("NO5");
}

QString KindChoice::genreOf(const QString& item)
{
    if (!item.startsWith(QLatin1String("DR")))
        return {};
    bool ok = false;
    const int index = item.mid(2).toInt(&ok);
    const QStringList& names = layouts::genres();
    return ok && index >= 1 && index <= names.size() ? names.at(index - 1) : QString();
}
