#include "TVymazatDialog.h"

#include "DialogLook.h"
#include "HlavniSluzby.h"
#include "OptionalDatabases.h"

TVymazatDialog::TVymazatDialog(HlavniSluzby& sluzby, QWidget* parent)
    : TBublinaOtazka(sluzby, QStringLiteral("SBO6"), QStringLiteral("Dotaz.wav"), parent)
{
    setObjectName(QStringLiteral("VymazatDialog"));
    setHint(this, QStringLiteral("Dotaz"));
    addText(QStringLiteral("Label2"),
            QStringLiteral("Opravdu chcete vymazat Standardní databázi ?"));
    addButton(QStringLiteral("Ano"),
              QStringLiteral("Vymaže Standardní databázi a uzavře dialogové okno"));
    addButton(QStringLiteral("Ne"),
              QStringLiteral("Uzavře dialogové okno bez vymazání Standardní databáze"));
}

bool TVymazatDialog::standardOpen() const
{
    return OptionalDatabases(sluzby().programFolder()).isOpen(1) || sluzby().documentWindow(1);
}

void TVymazatDialog::ask()
{
    if (!standardOpen())
        TBublinaOtazka::ask();
}

void TVymazatDialog::yes()
{
    // The files of a table are replaced only while no window holds it.
    Status s = standardOpen()
                   ? Status::error(QStringLiteral("Standardní databázi nelze vymazat, protože je "
                                                  "otevřená."))
                   : OptionalDatabases(sluzby().programFolder()).clearStandard();
    hide();
    if (s)
        emit cleared();
    else
        emit failed(s);
}
