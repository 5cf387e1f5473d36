#include "DatabaseWindows.h"

#include "TDotazJmenoDialog.h"
#include "TDotazKonecDialog.h"
#include "TDotazVypujckaDialog.h"
#include "TEditaceDialog.h"
#include "TJmenoDialog.h"
#include "TNovyDialog.h"
#include "TVolba.h"
#include "TVymazatDialog.h"
#include "TZpravaDialog.h"
#include "TZrusitVolitelnyDialog.h"

DatabaseWindows::DatabaseWindows(HlavniSluzby& sluzby, QObject* parent)
    : QObject(parent), m_sluzby(sluzby)
{
}

// The questions go before the dialogs they wait for.
DatabaseWindows::~DatabaseWindows()
{
    m_zprava.reset();
    m_dotazVypujcka.reset();
    m_dotazKonec.reset();
    m_vymazat.reset();
    m_otevreni.reset();
    m_dotazJmeno.reset();
    m_jmeno.reset();
    m_zrusit.reset();
    m_editace.reset();
    m_novy.reset();
}

void DatabaseWindows::createAll()
{
    createNovy();
    createEditace();
    createZrusitVolitelny();
    createJmeno();
    createDotazJmeno();
    createOtevreni();
    createVymazat();
    createDotazKonec();
}

void DatabaseWindows::createNovy()
{
    m_novy = std::make_unique<TNovyDialog>(m_sluzby);
    joinNovyAndEditace();
}

void DatabaseWindows::createEditace()
{
    m_editace = std::make_unique<TEditaceDialog>(m_sluzby);
    joinNovyAndEditace();
}

void DatabaseWindows::joinNovyAndEditace()
{
    if (!m_novy || !m_editace)
        return;
    TNovyDialog* novy = m_novy.get();
    TEditaceDialog* editace = m_editace.get();
    connect(novy, &TNovyDialog::picked, editace,
            [novy, editace](int k) { editace->showFor(k, novy); });
}

void DatabaseWindows::createZrusitVolitelny()
{
    m_zrusit = std::make_unique<TZrusitVolitelnyDialog>(m_sluzby);
    TZrusitVolitelnyDialog* zrusit = m_zrusit.get();
    connect(zrusit, &TZrusitVolitelnyDialog::failed, this, &DatabaseWindows::showMessage);
    if (!m_editace)
        return;
    TNovyDialog* novy = m_novy.get();
    connect(m_editace.get(), &TEditaceDialog::deleteRequested, zrusit, [novy, zrusit](int k) {
        if (novy)
            novy->hide();
        zrusit->ask(k);
    });
}

void DatabaseWindows::createJmeno()
{
    m_jmeno = std::make_unique<TJmenoDialog>(m_sluzby);
    TJmenoDialog* jmeno = m_jmeno.get();
    connect(jmeno, &TJmenoDialog::failed, this, &DatabaseWindows::showMessage);
    if (!m_editace || !m_novy)
        return;
    TNovyDialog* novy = m_novy.get();
    // The naming dialog starts from what the entry shows: the name or the
    // text of a database not created.
    connect(m_editace.get(), &TEditaceDialog::createRequested, jmeno, [novy, jmeno](int k) {
        const QString current = novy->entry(k)->text();
        novy->hide();
        jmeno->ask(k, current);
    });
}

void DatabaseWindows::createDotazJmeno()
{
    m_dotazJmeno = std::make_unique<TDotazJmenoDialog>(m_sluzby);
    TDotazJmenoDialog* warning = m_dotazJmeno.get();
    if (TJmenoDialog* jmeno = m_jmeno.get())
        connect(jmeno, &TJmenoDialog::nameMissing, warning,
                [warning, jmeno] { warning->warn(jmeno); });
}

void DatabaseWindows::createOtevreni()
{
    m_otevreni = std::make_unique<TOtevreniDialog>(m_sluzby);
    connect(m_otevreni.get(), &TOtevreniDialog::failed, this, &DatabaseWindows::showMessage);
    connect(m_otevreni.get(), &TOtevreniDialog::warned, this,
            [this](const QString& message) { zpravaDialog()->ukazat(message); });
}

void DatabaseWindows::createVymazat()
{
    m_vymazat = std::make_unique<TVymazatDialog>(m_sluzby);
    connect(m_vymazat.get(), &TVymazatDialog::failed, this, &DatabaseWindows::showMessage);
}

void DatabaseWindows::createDotazKonec()
{
    m_dotazKonec = std::make_unique<TDotazKonecDialog>(m_sluzby);
    m_dotazVypujcka = std::make_unique<TDotazVypujckaDialog>(m_sluzby);
    connect(m_dotazKonec.get(), &TDotazKonecDialog::failed, this, &DatabaseWindows::showMessage);
    if (m_otevreni)
        m_otevreni->setSaveQuestion(m_dotazKonec.get());
}

void DatabaseWindows::setWindowSetup(TOtevreniDialog::WindowSetup setup)
{
    if (m_otevreni)
        m_otevreni->setWindowSetup(std::move(setup));
}

TZpravaDialog* DatabaseWindows::zpravaDialog()
{
    if (!m_zprava)
        m_zprava = std::make_unique<TZpravaDialog>(m_sluzby);
    return m_zprava.get();
}

void DatabaseWindows::showMessage(const Status& status)
{
    zpravaDialog()->ukazat(status);
}
