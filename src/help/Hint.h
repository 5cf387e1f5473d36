#pragma once

#include <QString>
#include <QWidget>

// A hint shows as a tool tip and travels to the main window's status bar.
inline void setHint(QWidget* widget, const QString& hint)
{
    widget->setToolTip(hint);
    widget->setStatusTip(hint);
}
