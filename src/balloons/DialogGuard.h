#pragma once

#include <QPointer>
#include <QString>
#include <QWidget>

class HlavniSluzby;

// What a dialog does to the main window while it is up: its own indicator
// takes the place of the ready indicator "SBO10", and the main window and the
// assistant figure stop reacting. A dialog opened on top of another one
// disables that one instead and gives its indicator back when it goes.
class DialogGuard final
{
public:
    DialogGuard(HlavniSluzby& sluzby, QString indicator);

    void setBeneath(QWidget* dialog, const QString& indicator);
    // The progress window leaves the figure alone.
    void setDisablesAssistant(bool disables) { m_disablesAssistant = disables; }

    // Both may be called more than once; only the first call of each counts.
    void enter();
    void leave();
    bool isUp() const { return m_up; }

private:
    HlavniSluzby& m_sluzby;
    QString m_indicator;
    QPointer<QWidget> m_beneath;
    QString m_beneathIndicator;
    bool m_disablesAssistant = true;
    bool m_up = false;
};
