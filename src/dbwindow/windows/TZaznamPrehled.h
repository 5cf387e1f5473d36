#pragma once

#include <QHash>
#include <QPointer>
#include <QWidget>

class QLabel;
class TTable;

// The current record of a table, read-only, as the database window shows it
// until the record editor takes its place. It follows the table's cursor.
class TZaznamPrehled final : public QWidget
{
    Q_OBJECT

public:
    // The fields shown, with their captions.
    static const QList<QPair<QString, QString>>& fields();

    explicit TZaznamPrehled(TTable* table, QWidget* parent = nullptr);

    QString shownText(const QString& field) const;

private:
    void refresh();

    QPointer<TTable> m_table;
    QHash<QString, QLabel*> m_values;
};
