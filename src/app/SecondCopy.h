#pragma once

#include "ProgramFolder.h"

#include <QObject>
#include <QPoint>
#include <QRect>
#include <QSize>

class TKopieDialog;
class TPomocnikDialog;
class TZvuky;

// What a copy started while another one runs does instead of starting: it
// stands the assistant figure in the middle of the screen with the blinking
// warning beside it and ends when the user has read it. It creates no data
// module and no other window.
class SecondCopy final : public QObject
{
    Q_OBJECT

public:
    explicit SecondCopy(const ProgramFolder& folder, QObject* parent = nullptr);
    ~SecondCopy() override;

    static QPoint figurePosition(const QRect& screen, const QSize& figure);
    static QPoint warningPosition(const QPoint& figure, const QSize& figureSize,
                                  const QSize& warning);

    void start();

    TPomocnikDialog* figure() const { return m_figure; }
    TKopieDialog* warning() const { return m_warning; }

signals:
    // Time to end the program.
    void finished();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void confirm();
    void readmit();

    ProgramFolder m_folder;
    TZvuky* m_zvuky;
    TPomocnikDialog* m_figure;
    TKopieDialog* m_warning;
    // The suite's memory of the figure before this copy showed it.
    QString m_pomocnikBefore;
};
