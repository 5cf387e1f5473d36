#include "TPomocnikDialog.h"

#include "BalloonPlacement.h"
#include "IniFile.h"
#include "Status.h"
#include "TPomocnikObrazek.h"
#include "TZvuky.h"

#include <QCloseEvent>
#include <QMouseEvent>
#include <QScreen>
#include <QWindow>

TPomocnikDialog::TPomocnikDialog(const QString& programFolder, TZvuky* zvuky, QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      m_folder(programFolder), m_zvuky(zvuky ? zvuky : new TZvuky(programFolder, this))
{
    setObjectName(QStringLiteral("PomocnikDialog"));
    setWindowTitle(QStringLiteral("Pomocník"));
    setToolTip(QStringLiteral("Pomocník Korvex"));
    setStatusTip(QStringLiteral("Pomocník Korvex"));
    // The program ends with its main window, never because the figure closed.
    setAttribute(Qt::WA_QuitOnClose, false);
    createPicture();
    standAt(BalloonPlacement::initialFigurePosition(screenArea(), size()));
}

void TPomocnikDialog::createPicture()
{
    m_obrazek = new TPomocnikObrazek(this);
    setFixedSize(TPomocnikObrazek::pictureSize());
    QPalette ground = palette();
    ground.setColor(QPalette::Window, TPomocnikObrazek::edgeColour());
    setPalette(ground);
    setMask(TPomocnikObrazek::outline());
}

QRect TPomocnikDialog::screenArea() const
{
    const QScreen* where = screen();
    return where ? where->availableGeometry() : QRect();
}

QPoint TPomocnikDialog::placeBalloon(const BalloonRule& rule, const QSize& dialogSize)
{
    const BalloonPlacement placement =
        BalloonPlacement::place(rule, screenArea(), standing(), size(), dialogSize);
    if (placement.figureMoves) {
        if (rule.hidesFigure)
            hide();
        standAt(placement.figure);
        show();
    }
    return placement.dialog;
}

void TPomocnikDialog::standAt(const QPoint& topLeft)
{
    setGeometry(QRect(topLeft, size()));
}

void TPomocnikDialog::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (event->spontaneous())
        return;
    m_zvuky->play(TZvuky::Udalost::PomocnikStart);
    writeShown(true);
}

void TPomocnikDialog::closeEvent(QCloseEvent* event)
{
    // While a dialog of the program is up the figure does not react at all.
    if (!isEnabled()) {
        event->ignore();
        return;
    }
    m_zvuky->play(TZvuky::Udalost::PomocnikKonec);
    writeShown(false);
    event->accept();
}

void TPomocnikDialog::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    QWindow* window = windowHandle();
    if (window && window->startSystemMove())
        return;
    m_dragging = true;
    m_dragOffset = event->globalPosition().toPoint() - standing().topLeft();
}

void TPomocnikDialog::mouseMoveEvent(QMouseEvent* event)
{
    if (m_dragging && (event->buttons() & Qt::LeftButton))
        standAt(event->globalPosition().toPoint() - m_dragOffset);
}

void TPomocnikDialog::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        m_dragging = false;
}

void TPomocnikDialog::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        emit doubleClicked();
}

void TPomocnikDialog::writeShown(bool shown)
{
    // A settings file that cannot be written only costs the memory of the
    // figure at the next start; the figure itself carries on.
    if (Status s = IniFile(m_folder.suiteIniPath())
                       .writeString(QStringLiteral("Nastaveni"), QStringLiteral("Pomocnik"),
                                    shown ? QStringLiteral("1") : QStringLiteral("0"));
        !s)
        emit settingsNotWritten(s);
}
