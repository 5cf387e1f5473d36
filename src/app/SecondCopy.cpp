#include "SecondCopy.h"

#include "IniFile.h"
#include "TKopieDialog.h"
#include "TPomocnikDialog.h"
#include "TZvuky.h"

#include <QEvent>

namespace {
const QString kSection = QStringLiteral("Nastaveni");
const QString kKey = QStringLiteral("Pomocnik");
} // namespace

SecondCopy::SecondCopy(const ProgramFolder& folder, QObject* parent)
    : QObject(parent), m_folder(folder), m_zvuky(new TZvuky(folder.programFolder(), this)),
      m_figure(new TPomocnikDialog(folder.programFolder(), m_zvuky)), m_warning(new TKopieDialog)
{
    connect(m_warning, &TKopieDialog::confirmed, this, &SecondCopy::confirm);
    connect(m_warning, &TKopieDialog::dismissed, this, &SecondCopy::readmit);
    m_figure->installEventFilter(this);
}

SecondCopy::~SecondCopy()
{
    delete m_warning;
    m_figure->removeEventFilter(this);
    delete m_figure;
}

QPoint SecondCopy::figurePosition(const QRect& screen, const QSize& figure)
{
    return {screen.left() + screen.width() / 2 - figure.width() / 2,
            screen.top() + screen.height() / 2 - figure.height() / 2};
}

QPoint SecondCopy::warningPosition(const QPoint& figure, const QSize& figureSize,
                                   const QSize& warning)
{
    return {figure.x() - warning.width() + 35, figure.y() + figureSize.height() - warning.height()};
}

void SecondCopy::start()
{
    m_pomocnikBefore = IniFile(m_folder.suiteIniPath()).readString(kSection, kKey);
    m_figure->standAt(figurePosition(m_figure->screenArea(), m_figure->size()));
    const QRect figure = m_figure->standing();
    m_warning->move(warningPosition(figure.topLeft(), figure.size(), m_warning->size()));
    m_figure->setEnabled(false);
    m_warning->show();
    m_figure->show();
    m_warning->raise();
    m_warning->activateWindow();
    m_warning->setFocus();
}

void SecondCopy::confirm()
{
    m_figure->setEnabled(true);
    // The figure stood here only for the warning; the running copy's memory of
    // its own figure must survive this copy.
    const IniFile suite(m_folder.suiteIniPath());
    // Nobody is left to tell of a failure: this copy ends with the warning, and
    // the running copy writes the key again when it ends.
    if (suite.readString(kSection, kKey) != m_pomocnikBefore)
        (void)suite.writeString(kSection, kKey, m_pomocnikBefore);
    m_warning->hide();
    emit finished();
}

void SecondCopy::readmit()
{
    m_figure->setEnabled(true);
}

bool SecondCopy::eventFilter(QObject* watched, QEvent* event)
{
    // The figure is this copy's only window: when the user closes it, the copy ends.
    if (watched == m_figure && event->type() == QEvent::Hide && !m_figure->isVisible() &&
        !m_warning->isVisible())
        emit finished();
    return QObject::eventFilter(watched, event);
}
