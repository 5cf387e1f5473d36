#include "TDataSource.h"

#include "TTable.h"

TDataSource::TDataSource(QObject* parent) : QObject(parent) {}

void TDataSource::setDataSet(TTable* table)
{
    if (m_table)
        disconnect(m_table, nullptr, this, nullptr);
    m_table = table;
    if (!table)
        return;
    connect(table, &TTable::cursorMoved, this, &TDataSource::relayData);
    connect(table, &TTable::recordChanged, this, &TDataSource::relayData);
    connect(table, &TTable::stateChanged, this, &TDataSource::relayState);
}

void TDataSource::setEnabled(bool enabled)
{
    if (m_enabled == enabled)
        return;
    m_enabled = enabled;
    if (enabled && m_missed) {
        m_missed = false;
        emit stateChanged();
        emit dataChanged();
    }
}

void TDataSource::relayData()
{
    if (m_enabled)
        emit dataChanged();
    else
        m_missed = true;
}

void TDataSource::relayState()
{
    if (m_enabled)
        emit stateChanged();
    else
        m_missed = true;
}
