#pragma once

#include "RecordPane.h"

#include <QHash>
#include <QPointer>
#include <QWidget>

class QLabel;
class TTable;

// The current record of a table, read-only, as the database window shows it
// until the record editor takes its place. It follows the table's cursor and
// never edits.
class TZaznamPrehled final : public QWidget, public RecordPane
{
    Q_OBJECT

public:
    // The fields shown, with their captions.
    static const QList<QPair<QString, QString>>& fields();

    explicit TZaznamPrehled(TTable* table, QWidget* parent = nullptr);

    QString shownText(const QString& field) const;

    QWidget* paneWidget() override { return this; }
    bool isEditing() const override { return false; }
    void setRecordEditorsEnabled(bool) override {}

private:
    void refresh();

    QPointer<TTable> m_table;
    QHash<QString, QLabel*> m_values;
};
