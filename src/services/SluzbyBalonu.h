#pragma once

#include <QPoint>
#include <QSize>
#include <QString>

struct BalloonRule;

// Where a balloon dialog stands beside the assistant figure, and the event
// sounds that go with the dialogs.
class SluzbyBalonu
{
public:
    virtual ~SluzbyBalonu() = default;

    // Shows the assistant figure when the suite settings say it is not on the
    // screen, makes room for a balloon of `dialogSize` and returns its position.
    virtual QPoint placeBalloon(const BalloonRule& rule, const QSize& dialogSize) = 0;
    virtual void showAssistant() = 0;

    // An event sound by its file name ("Dialog.wav"); silence when missing.
    virtual void playSound(const QString& fileName) = 0;

protected:
    SluzbyBalonu() = default;
    SluzbyBalonu(const SluzbyBalonu&) = default;
    SluzbyBalonu& operator=(const SluzbyBalonu&) = default;
};
