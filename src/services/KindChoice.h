#pragma once

#include <QObject>
#include <QString>

// The kind choice of the Nástroje menu as the windows follow it: the ticked
// item ("N0" all kinds, "NO1" ... "NO5" one kind) and a signal when another
// is ticked. The main window ticks; the search and report windows listen.
class KindChoice final : public QObject
{
    Q_OBJECT

public:
    static constexpr const char* kAll = "N0";

    explicit KindChoice(QObject* parent = nullptr);

    QString item() const { return m_item; }
    // Ticking the ticked item again tells nobody.
    void setItem(const QString& item);

signals:
    void changed(const QString& item);

private:
    QString m_item = QString::fromLatin1(kAll);
};
