#pragma once

#include "ProgramSettings.h"

#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>

class QAction;
class QWidget;

// Which bars of the main window are shown: each bar has its key in section
// Zobrazit of the program settings, a tick in the Zobrazit menu and one in the
// bars' pop-up menu. The two ticks always agree with the bar, and every change
// is written at once so the next run starts with the same view.
class ViewState final : public QObject
{
    Q_OBJECT

public:
    explicit ViewState(const QString& programIniPath, QObject* parent = nullptr);

    void addBar(const QString& key, QWidget* bar, QAction* menuItem, QAction* popupItem);

    // Reads every key: "1" shows a bar, anything else hides it.
    void applySettings();
    // Flips a bar as its menu item asks.
    void toggle(const QString& key);
    // The user closed the bar itself.
    void barClosed(const QString& key);

    bool isShown(const QString& key) const;
    QStringList keys() const;

signals:
    // The bar changed, but the next run will not know.
    void writeFailed(const Status& status);

private:
    struct Bar
    {
        QString key;
        QPointer<QWidget> widget;
        QPointer<QAction> menuItem;
        QPointer<QAction> popupItem;
        bool shown = true;
    };

    Bar* find(const QString& key);
    const Bar* find(const QString& key) const;
    void show(Bar& bar, bool shown);
    void write(const Bar& bar);

    ProgramSettings m_settings;
    QList<Bar> m_bars;
};
