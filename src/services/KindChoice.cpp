#include "KindChoice.h"

KindChoice::KindChoice(QObject* parent) : QObject(parent) {}

void KindChoice::setItem(const QString& item)
{
    if (item == m_item)
        return;
    m_item = item;
    emit changed(item);
}
