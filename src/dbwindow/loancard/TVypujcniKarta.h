#pragma once

#include "AddressLinks.h"
#include "RecordPane.h"
#include "Status.h"
#include "TVypujcka.h"

#include <QList>
#include <QPointer>
#include <QWidget>

#include <optional>

class HlavniSluzby;
class QAction;
class QLabel;
class QLineEdit;
class QMenu;
class QToolButton;
class TDatabazeDialog;
class TDotazVypujckaDialog;
class TZaznamEditor;

// The loan card of a database window (`Panel10`): the borrower of the
// carrier in front, laid over the record editor below its number line, with
// its own toolbar and the window's pop-up menu PopupMenu2.
//
// The loan register is shared by the four windows and by sibling programs,
// so the card never keeps a register cursor: before every command it reads
// its own carrier's card (program code of the window's slot and evidence
// number) from the register anew, and it stores nothing until all it has to
// store has been checked. A blank card stores nothing at all until it is
// saved.
class TVypujcniKarta final : public QWidget, public LoanCardPane
{
    Q_OBJECT

public:
    enum class Stav
    {
        Skryta,   // hidden
        Prazdna,  // shown, the carrier has no loan
        Pujcena,  // shown, the carrier is lent
        Editovana // the card is being edited
    };

    TVypujcniKarta(TDatabazeDialog* window, TZaznamEditor* editor, HlavniSluzby& sluzby);

    // Gives a new database window its card and lets the window's close
    // raise the loan-card warning; errors go to `failed`.
    static TVypujcniKarta* equip(TDatabazeDialog* window, HlavniSluzby& sluzby,
                                 TDotazVypujckaDialog* warning);

    Stav stav() const { return m_stav; }

    QWidget* cardWidget() override { return this; }
    bool isCardShown() const override { return m_stav != Stav::Skryta; }
    bool isCardEditing() const override { return m_stav == Stav::Editovana; }
    // While the borrower is typed the card saves the carrier record with it.
    bool holdsRecord() const override { return m_stav == Stav::Editovana; }

    // The card commands; zpet() is "Zpět", which hides the card. Each acts on the card of the
    // carrier whose evidence number the record editor shows at that moment.
    Status open();
    Status edit();
    Status save();
    Status undo();
    Status returnCarrier();
    Status zpet();

signals:
    // A command was refused or a book could not be linked; the window's
    // message says why.
    void failed(const Status& status);

protected:
    void paintEvent(QPaintEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    struct Command
    {
        QToolButton* button;
        QAction* item;
    };

    void createForm();
    QWidget* createRows(QWidget* parent, QList<QLineEdit*>* editors, QLabel** date);
    void createCover();
    void createToolBar();
    void run(Status (TVypujcniKarta::*command)());

    QString programCode() const;
    QString dataFolder() const;
    Status reload();
    void display(const std::optional<TVypujcka>& loan);
    TVypujcka typed() const;
    void setStav(Stav stav);
    void selectRegister(const QString& id) const;
    AddressLinks::Result link(const QList<AddressLinks::Change>& changes, const QString& text);
    void carrierChanged();

    TDatabazeDialog* m_window;
    QPointer<TZaznamEditor> m_editor;
    HlavniSluzby& m_sluzby;
    Stav m_stav = Stav::Skryta;
    bool m_busy = false;
    QString m_editedId;          // the carrier whose card is being typed
    QList<QLineEdit*> m_editors; // DBEdit1 ... DBEdit7
    QLabel* m_datum = nullptr;   // DBText2
    QWidget* m_form = nullptr;
    QWidget* m_kryti = nullptr;
    Command m_cancel{};
    Command m_edit{};
    Command m_save{};
    Command m_undo{};
    QToolButton* m_zpet = nullptr; // TD7
};
