#include "SearchWindows.h"

#include "AuxiliaryBuild.h"
#include "HlavniSluzby.h"
#include "KindChoice.h"
#include "ProgramFolder.h"
#include "SearchCurrency.h"
#include "TDataModule1.h"
#include "TInfoNajit1Dialog.h"
#include "TNajitDialog.h"
#include "TPomocna1Dialog.h"
#include "TTable.h"
#include "TVysledekDialog.h"
#include "TZpravaDialog.h"

namespace {
constexpr int kAuxiliaryTable = 5;
}

SearchWindows::SearchWindows(HlavniSluzby& sluzby, QObject* parent)
    : QObject(parent), m_sluzby(sluzby), m_najit(std::make_unique<TNajitDialog>(sluzby)),
      m_pomocna(std::make_unique<TPomocnaDialog>(sluzby, m_najit.get())),
      m_pomocna1(std::make_unique<TPomocna1Dialog>(sluzby, m_najit.get())),
      m_vysledek(std::make_unique<TVysledekDialog>(sluzby))
{
    connect(m_najit.get(), &TNajitDialog::criterionChosen, this, &SearchWindows::choose);
    for (TPomocnaDialog* builder :
         {m_pomocna.get(), static_cast<TPomocnaDialog*>(m_pomocna1.get())}) {
        connect(builder, &TPomocnaDialog::buildRequested, this,
                [this, builder] { build(builder); });
        connect(builder, &TPomocnaDialog::startRequested, this,
                [this, builder] { start(builder); });
    }
    connect(m_vysledek.get(), &TVysledekDialog::failed, this, &SearchWindows::showFailure);
    connect(&sluzby.kindChoice(), &KindChoice::changed, this, &SearchWindows::kindChoiceChanged);
}

SearchWindows::~SearchWindows() = default;

void SearchWindows::open()
{
    open(m_sluzby.activeDatabaseSlot());
}

void SearchWindows::open(int slot)
{
    if (slot >= 1 && slot <= 4)
        m_najit->setSlot(slot);
    m_najit->ask();
}

void SearchWindows::kindChoiceChanged()
{
    (void)search::SearchCurrency(m_sluzby.programFolder().programIniPath()).kindChoiceChanged();
}

TPomocnaDialog* SearchWindows::builderFor(search::Shape shape) const
{
    return shape == search::Shape::PerCarrier ? m_pomocna.get() : m_pomocna1.get();
}

void SearchWindows::choose(const search::Criterion& criterion)
{
    TPomocnaDialog* builder = builderFor(criterion.shape);
    builder->setSlot(m_najit->slot());
    builder->move(TPomocnaDialog::placement(m_najit->pos(), criterion.topOffset));
    builder->setCriterion(criterion.code, criterion.heading);
    builder->show();
}

void SearchWindows::build(TPomocnaDialog* builder)
{
    const search::SearchCurrency currency(m_sluzby.programFolder().programIniPath());
    // The table is about to be overwritten: no copy is current until it is whole.
    (void)currency.beginBuild();
    TTable* auxiliary = m_sluzby.dataModule()->table(kAuxiliaryTable);
    auxiliary->setDatabaseName(m_sluzby.programFolder().dataFolder());
    const TInfoNajitDialog::Request request{builder->y(), builder->heading(), builder->slot(),
                                            QStringLiteral("Ne")};
    builder->hide();
    m_najit->hide();
    TInfoNajitDialog* progress = builder->shape() == search::Shape::PerCarrier
                                     ? new TInfoNajitDialog(m_sluzby)
                                     : new TInfoNajit1Dialog(m_sluzby);
    progress->setRequest(request);
    connect(progress, &TInfoNajitDialog::searchResumes, this,
            [this, shape = builder->shape()](const TInfoNajitDialog::Request& done) {
                resume(shape, done);
            });
    progress->start();
    emit buildStarted(progress);
    auxiliary->close();
    const Status s = runBuild(builder, *progress);
    progress->finish(s.isOk());
    if (!s)
        showFailure(Status::error(
            QStringLiteral("Pomocnou databázi pro vyhledávání se nepodařilo vytvořit. %1")
                .arg(s.message()),
            s.detail()));
}

Status SearchWindows::runBuild(TPomocnaDialog* builder, TInfoNajitDialog& progress)
{
    TTable* source = m_sluzby.dataModule()->slotTable(builder->slot());
    if (!source)
        return Status::error(QStringLiteral("Není vybrána žádná databáze."));
    if (builder->shape() == search::Shape::PerCarrier) {
        // Every carrier goes into this copy, so the window shows them all too.
        (void)source->setFiltered(false);
        if (m_kindReset)
            m_kindReset();
    }
    return search::buildAuxiliaryTable(builder->shape(), m_sluzby.programFolder(),
                                       search::BuildSource::of(*source, builder->shape()),
                                       progress);
}

// After a build the search comes back as it was left, the builder now
// offering to start.
void SearchWindows::resume(search::Shape shape, const TInfoNajitDialog::Request& request)
{
    m_najit->setSlot(request.slot);
    m_najit->ask();
    TPomocnaDialog* builder = builderFor(shape);
    builder->move(builder->x(), request.builderTop);
    builder->setCriterion(builder->code(), request.heading);
    builder->setSlot(request.slot);
    builder->show();
    TTable* auxiliary = m_sluzby.dataModule()->table(kAuxiliaryTable);
    if (Status s = auxiliary->open(); !s)
        showFailure(s);
}

void SearchWindows::start(TPomocnaDialog* builder)
{
    TTable* auxiliary = m_sluzby.dataModule()->table(kAuxiliaryTable);
    auxiliary->close();
    auxiliary->setDatabaseName(m_sluzby.programFolder().dataFolder());
    if (Status s = auxiliary->open(); !s) {
        showFailure(s);
        return;
    }
    const QString code = builder->code();
    const int slot = builder->slot();
    const QString heading = builder->heading();
    builder->hide();
    m_najit->hide();
    m_vysledek->setRequest(code, slot, heading);
    m_vysledek->ukazat();
}

TZpravaDialog* SearchWindows::zpravaDialog()
{
    if (m_shared)
        return m_shared();
    if (!m_zprava)
        m_zprava = std::make_unique<TZpravaDialog>(m_sluzby);
    return m_zprava.get();
}

void SearchWindows::showFailure(const Status& status)
{
    zpravaDialog()->ukazat(status);
}
