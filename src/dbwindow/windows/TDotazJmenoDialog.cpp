#include "TDotazJmenoDialog.h"

#include "DialogLook.h"

TDotazJmenoDialog::TDotazJmenoDialog(HlavniSluzby& sluzby, QWidget* parent)
    : TBublinaOtazka(sluzby, QStringLiteral("SBO7"), QStringLiteral("Info.wav"), parent)
{
    setObjectName(QStringLiteral("DotazJmenoDialog"));
    setHint(this, QStringLiteral("Upozornění"));
    addText(QStringLiteral("Label2"),
            QStringLiteral("Nejprve musíte zadat název volitelné databáze."));
    addButton(QStringLiteral("Ok"), QStringLiteral("Uzavře dialogové okno"));
}

void TDotazJmenoDialog::warn(QWidget* naming)
{
    guard().setBeneath(naming, QStringLiteral("SBO4"));
    ask();
}
