#include "TipStepper.h"

#include "ProgramFolder.h"
#include "TTable.h"

namespace {
const QString kTipField = QStringLiteral("TIPDNE");
}

TipStepper::TipStepper(TTable* table, QObject* parent) : QObject(parent), m_table(table)
{
    if (!m_table)
        return;
    connect(m_table, &TTable::cursorMoved, this, &TipStepper::followTable);
    connect(m_table, &TTable::recordChanged, this, &TipStepper::followTable);
    connect(m_table, &TTable::stateChanged, this, &TipStepper::followTable);
    m_available = isAvailable();
}

bool TipStepper::fileIsThere() const
{
    return ProgramFolder::fileExists(m_table->databaseName(), m_table->tableName());
}

bool TipStepper::open()
{
    if (!m_table)
        return false;
    if (!fileIsThere()) {
        // Tips still held in memory from a file that has gone are not shown.
        m_table->close();
        return false;
    }
    // A damaged file leaves the table closed, which reads as "no tips".
    if (!m_table->isActive())
        (void)m_table->open();
    return isAvailable();
}

bool TipStepper::isAvailable() const
{
    return m_table && m_table->isActive() && !m_table->isEmpty() && m_table->hasField(kTipField);
}

QString TipStepper::tip() const
{
    return isAvailable() ? m_table->fieldText(kTipField) : QString();
}

int TipStepper::row() const
{
    return isAvailable() ? m_table->recNo() : -1;
}

void TipStepper::previous()
{
    if (!isAvailable())
        return;
    // A step the table refuses leaves the tip that is shown.
    if (m_table->bof())
        (void)m_table->last();
    else
        (void)m_table->prior();
}

void TipStepper::next()
{
    if (!isAvailable())
        return;
    if (m_table->eof())
        (void)m_table->first();
    else
        (void)m_table->next();
}

void TipStepper::followTable()
{
    const bool available = isAvailable();
    if (available != m_available) {
        m_available = available;
        emit availabilityChanged(available);
    }
    emit tipChanged(tip());
}
