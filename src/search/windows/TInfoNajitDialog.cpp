#include "TInfoNajitDialog.h"

#include "HlavniSluzby.h"
#include "ProgramFolder.h"
#include "SearchCurrency.h"
#include "SearchLook.h"
#include "TNajitAnimace.h"

#include <QCloseEvent>
#include <QLineEdit>

namespace {

ProgressWindow::Setup setupOf(const QString& name)
{
    ProgressWindow::Setup setup = ProgressWindow::informationSetup(name, TInfoNajitDialog::kSize);
    setup.indicator = QStringLiteral("SBO2");
    setup.textBox = QRect(60, 9, TInfoNajitDialog::kSize.width() - 70, 18);
    setup.barBox = QRect(60, 33, TInfoNajitDialog::kSize.width() - 72, 14);
    setup.textFont = searchlook::serifFont(9, true);
    setup.textAlignment = Qt::AlignLeft | Qt::AlignVCenter;
    return setup;
}

} // namespace

TInfoNajitDialog::TInfoNajitDialog(HlavniSluzby& sluzby)
    : TInfoNajitDialog(sluzby, search::Shape::PerCarrier, QStringLiteral("InfoNajitDialog"))
{
}

TInfoNajitDialog::TInfoNajitDialog(HlavniSluzby& sluzby, search::Shape shape, const QString& name)
    : ProgressWindow(sluzby, setupOf(name)), m_sluzby(sluzby), m_shape(shape)
{
    createContents();
}

TInfoNajitDialog::~TInfoNajitDialog() = default;

void TInfoNajitDialog::createContents()
{
    m_animace = new TNajitAnimace(this);
    m_animace->move(8, (height() - m_animace->height()) / 2);
    m_top = createField(QStringLiteral("Kontrola"));
    m_heading = createField(QStringLiteral("Kontrola2"));
    m_slot = createField(QStringLiteral("Kontrola3"));
    m_mode = createField(QStringLiteral("Kontrola4"));
}

// The request rides in hidden fields, where a report that borrows the window
// sets its slot and mode.
QLineEdit* TInfoNajitDialog::createField(const QString& name)
{
    auto* field = new QLineEdit(this);
    field->setObjectName(name);
    field->hide();
    return field;
}

void TInfoNajitDialog::setRequest(const Request& request)
{
    m_top->setText(QString::number(request.builderTop));
    m_heading->setText(request.heading);
    m_slot->setText(QString::number(request.slot));
    m_mode->setText(request.mode);
}

TInfoNajitDialog::Request TInfoNajitDialog::request() const
{
    return {m_top->text().toInt(), m_heading->text(), m_slot->text().toInt(), m_mode->text()};
}

void TInfoNajitDialog::started()
{
    m_animace->start();
}

void TInfoNajitDialog::stopped()
{
    m_animace->stop();
}

void TInfoNajitDialog::finish(bool succeeded)
{
    m_succeeded = succeeded;
    ProgressWindow::finish();
}

void TInfoNajitDialog::setPhase(const QString& text)
{
    setText(text);
    repaint();
    catchUp();
}

void TInfoNajitDialog::setMaximum(int maximum)
{
    ProgressWindow::setMaximum(maximum);
}

// The animation turns with the steps; its frame changes only when due.
void TInfoNajitDialog::setPosition(int position)
{
    m_animace->tick();
    setProgress(position);
}

QString TInfoNajitDialog::phase() const
{
    return text();
}

int TInfoNajitDialog::position() const
{
    return progress();
}

// A report's copy is filtered or by performer, so it is never a search copy.
void TInfoNajitDialog::recordCopy()
{
    const search::SearchCurrency currency(m_sluzby.programFolder().programIniPath());
    const Request done = request();
    if (done.mode == QLatin1String("Tisk")) {
        (void)currency.markReportCopy();
        m_mode->clear();
    } else if (m_succeeded) {
        (void)currency.markBuilt(m_shape, done.slot);
    }
}

void TInfoNajitDialog::closeEvent(QCloseEvent* event)
{
    if (m_closed) {
        ProgressWindow::closeEvent(event);
        return;
    }
    m_closed = true;
    m_animace->stop();
    recordCopy();
    const Request done = request();
    ProgressWindow::closeEvent(event);
    if (m_succeeded && done.mode == QLatin1String("Ne"))
        emit searchResumes(done);
}
