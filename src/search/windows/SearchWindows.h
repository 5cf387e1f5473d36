#pragma once

#include "ReportCopies.h"
#include "SearchCriteria.h"
#include "Status.h"
#include "TInfoNajitDialog.h"

#include <QObject>

#include <functional>
#include <memory>

class HlavniSluzby;
class TNajitDialog;
class TPomocna1Dialog;
class TPomocnaDialog;
class TVysledek1Dialog;
class TVysledek2Dialog;
class TVysledekDialog;
class TZpravaDialog;

// The search from the command to the carrier: the search balloon, the two
// builder windows, the builds of the auxiliary table under their progress
// windows and the result list. The windows are made once and shown and
// hidden for the whole run; they have no parent, so that the main window
// can disable itself without disabling them.
//
// The printed lists take their copies and pickers from here too.
class SearchWindows final : public QObject, public ReportCopies
{
    Q_OBJECT

public:
    explicit SearchWindows(HlavniSluzby& sluzby, QObject* parent = nullptr);
    ~SearchWindows() override;

    // The search command: the database of the window in front, or the last
    // one searched when no window is in front.
    void open();
    // The search of one database window's record menu.
    void open(int slot);

    // The main window's kind menu back at "Všechny druhy", check marks only.
    void setKindReset(std::function<void()> reset) { m_kindReset = std::move(reset); }
    // Another kind is chosen: the per-track copy no longer matches it.
    void kindChoiceChanged();
    // A carrier of the database was stored or deleted.
    void carriersChanged(int slot);

    TNajitDialog* najitDialog() const { return m_najit.get(); }
    TPomocnaDialog* pomocnaDialog() const { return m_pomocna.get(); }
    TPomocna1Dialog* pomocna1Dialog() const { return m_pomocna1.get(); }
    TVysledekDialog* vysledekDialog() const { return m_vysledek.get(); }
    TVysledek1Dialog* vysledek1Dialog() const { return m_vysledek1.get(); }
    TVysledek2Dialog* vysledek2Dialog() const { return m_vysledek2.get(); }

    // ReportCopies
    bool rebuildForReport(int slot, Copy copy) override;
    void pickPerformer(QChar mode, Run run) override;
    void pickTitle(QChar mode, QChar variant, Run run) override;
    // The warning balloon the search shares with the database dialogs; the
    // search makes its own when it is given none.
    void setZprava(std::function<TZpravaDialog*()> zprava) { m_shared = std::move(zprava); }
    TZpravaDialog* zpravaDialog();

signals:
    // A build is running under this window; for callers that watch it.
    void buildStarted(TInfoNajitDialog* progress);

private:
    TPomocnaDialog* builderFor(search::Shape shape) const;
    void choose(const search::Criterion& criterion);
    void build(TPomocnaDialog* builder);
    Status runBuild(TPomocnaDialog* builder, TInfoNajitDialog& progress);
    void resume(search::Shape shape, const TInfoNajitDialog::Request& request);
    void start(TPomocnaDialog* builder);
    void showFailure(const Status& status);

    HlavniSluzby& m_sluzby;
    std::unique_ptr<TNajitDialog> m_najit;
    std::unique_ptr<TPomocnaDialog> m_pomocna;
    std::unique_ptr<TPomocna1Dialog> m_pomocna1;
    std::unique_ptr<TVysledekDialog> m_vysledek;
    std::unique_ptr<TVysledek1Dialog> m_vysledek1;
    std::unique_ptr<TVysledek2Dialog> m_vysledek2;
    std::unique_ptr<TZpravaDialog> m_zprava;
    std::function<TZpravaDialog*()> m_shared;
    std::function<void()> m_kindReset;
};
