#include "TNacitaniStopDialog.h"

#include "DialogLook.h"
#include "TOfficeButton.h"

#include <QKeyEvent>
#include <QThread>

TNacitaniStopDialog::TNacitaniStopDialog(HlavniSluzby& sluzby)
    : ProgressWindow(sluzby, informationSetup(QStringLiteral("NacitaniStopDialog"), kSize))
{
    setText(QStringLiteral("Načítám stopy..."));
    m_storno = new TOfficeButton(QStringLiteral("Storno"), this);
    m_storno->setObjectName(QStringLiteral("Storno"));
    m_storno->setFont(classicFont());
    setHint(m_storno, QStringLiteral("Přeruší načítání stop"));
    m_storno->setGeometry((width() - 72) / 2, 16, 72, 23);
    connect(m_storno, &TOfficeButton::clicked, this, &TNacitaniStopDialog::cancel);
}

TNacitaniStopDialog::~TNacitaniStopDialog()
{
    if (m_thread) {
        m_cancelled = true;
        m_thread->wait();
    }
}

void TNacitaniStopDialog::read(Work work)
{
    start();
    m_thread = QThread::create([this, work = std::move(work)] {
        m_reading = work([this](int percent) { return report(percent); });
    });
    m_thread->setParent(this);
    connect(m_thread, &QThread::finished, this, &TNacitaniStopDialog::readingReturned);
    m_thread->start();
}

// Called on the reading's side: the bar moves on the window's side.
bool TNacitaniStopDialog::report(int percent)
{
    QMetaObject::invokeMethod(
        this, [this, percent] { setProgress(percent); }, Qt::QueuedConnection);
    return !m_cancelled;
}

void TNacitaniStopDialog::cancel()
{
    m_cancelled = true;
    m_storno->setEnabled(false);
    setText(QStringLiteral("Přerušuji načítání..."));
}

void TNacitaniStopDialog::readingReturned()
{
    m_thread->wait();
    if (m_cancelled && m_reading.status)
        m_reading = disc::failed(disc::cancelled());
    setProgress(100);
    emit done(m_reading);
    finish();
}

void TNacitaniStopDialog::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape)
        cancel();
    else
        ProgressWindow::keyPressEvent(event);
}
