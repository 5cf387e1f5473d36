#pragma once

#include <QFont>
#include <QString>
#include <QStringList>
#include <QWidget>

// The look the dialogs share.

// A hint shows as a tool tip and travels to the main window's status bar.
inline void setHint(QWidget* widget, const QString& hint)
{
    widget->setToolTip(hint);
    widget->setStatusTip(hint);
}

// The small dialog font the texts were laid out for, with metric-compatible
// stand-ins where it is not installed; a wider substitute would cut the
// longer command lines off.
inline QFont classicFont(bool bold = false)
{
    QFont font;
    font.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("Microsoft Sans Serif"),
                      QStringLiteral("Arial"), QStringLiteral("Liberation Sans")});
    font.setStyleHint(QFont::SansSerif);
    font.setPointSize(8);
    font.setBold(bold);
    return font;
}
