#pragma once

#include <QObject>
#include <QPointer>

class TTable;

// Links bound editors to a table. While disabled, the editors stop following the
// cursor; enabling it again makes them show the current record at once.
class TDataSource final : public QObject
{
    Q_OBJECT

public:
    explicit TDataSource(QObject* parent = nullptr);

    void setDataSet(TTable* table);
    TTable* dataSet() const { return m_table; }

    void setEnabled(bool enabled);
    bool isEnabled() const { return m_enabled; }

signals:
    // The record to show has changed: the cursor moved or the record was edited.
    void dataChanged();
    void stateChanged();

private:
    void relayData();
    void relayState();

    QPointer<TTable> m_table;
    bool m_enabled = true;
    bool m_missed = false;
};
