#pragma once

#include "TOtevreniDialog.h"

#include <QObject>

#include <memory>

class HlavniSluzby;
class TDotazJmenoDialog;
class TDotazKonecDialog;
class TDotazVypujckaDialog;
class TEditaceDialog;
class TJmenoDialog;
class TNovyDialog;
class TVymazatDialog;
class TZpravaDialog;
class TZrusitVolitelnyDialog;

// The dialogs of the databases, created once and shown and hidden for the
// whole run: the optional-database dialog with its action balloon, the naming
// dialog and its warning, the delete and clear questions, the chooser and the
// save question. Each is made at its place in the program's creation order
// and is joined to the others as soon as both exist. The windows reach the
// main window only through `HlavniSluzby` and have no parent, so that the
// main window can disable itself without disabling them.
class DatabaseWindows final : public QObject
{
    Q_OBJECT

public:
    explicit DatabaseWindows(HlavniSluzby& sluzby, QObject* parent = nullptr);
    ~DatabaseWindows() override;

    void createNovy();
    void createEditace();
    void createZrusitVolitelny();
    void createJmeno();
    void createDotazJmeno();
    void createOtevreni();
    void createVymazat();
    void createDotazKonec();
    // All of them in their order, for callers that do not count the steps.
    void createAll();

    // A new database window is equipped with its record editor here.
    void setWindowSetup(TOtevreniDialog::WindowSetup setup);

    TNovyDialog* novyDialog() const { return m_novy.get(); }
    TEditaceDialog* editaceDialog() const { return m_editace.get(); }
    TZrusitVolitelnyDialog* zrusitVolitelnyDialog() const { return m_zrusit.get(); }
    TJmenoDialog* jmenoDialog() const { return m_jmeno.get(); }
    TDotazJmenoDialog* dotazJmenoDialog() const { return m_dotazJmeno.get(); }
    TOtevreniDialog* otevreniDialog() const { return m_otevreni.get(); }
    TVymazatDialog* vymazatDialog() const { return m_vymazat.get(); }
    TDotazKonecDialog* dotazKonecDialog() const { return m_dotazKonec.get(); }
    // Made with the save question: the warning for a window whose loan card is edited.
    TDotazVypujckaDialog* dotazVypujckaDialog() const { return m_dotazVypujcka.get(); }
    // The warning when a file or a table lets the user down.
    TZpravaDialog* zpravaDialog();

private:
    void joinNovyAndEditace();
    void showMessage(const Status& status);

    HlavniSluzby& m_sluzby;
    std::unique_ptr<TNovyDialog> m_novy;
    std::unique_ptr<TEditaceDialog> m_editace;
    std::unique_ptr<TZrusitVolitelnyDialog> m_zrusit;
    std::unique_ptr<TJmenoDialog> m_jmeno;
    std::unique_ptr<TDotazJmenoDialog> m_dotazJmeno;
    std::unique_ptr<TOtevreniDialog> m_otevreni;
    std::unique_ptr<TVymazatDialog> m_vymazat;
    std::unique_ptr<TDotazKonecDialog> m_dotazKonec;
    std::unique_ptr<TDotazVypujckaDialog> m_dotazVypujcka;
    std::unique_ptr<TZpravaDialog> m_zprava;
};
