#include "KindChoice.h"

#include "RecordCommandRules.h"
#include "TableLayout.h"

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
    return recordrules::kindFilter(item);
}

QString KindChoice::kindOf(const QString& item)
{
    return recordrules::kindOfItem(item);
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
