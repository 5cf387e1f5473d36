#include "TZpravaDialog.h"

#include "DialogLook.h"
#include "Status.h"

#include <QLabel>

TZpravaDialog::TZpravaDialog(HlavniSluzby& sluzby, QWidget* parent)
    : TBublinaOtazka(sluzby, QStringLiteral("SBO7"), QStringLiteral("Info.wav"), parent)
{
    setObjectName(QStringLiteral("ZpravaDialog"));
    setHint(this, QStringLiteral("Upozornění"));
    addText(QStringLiteral("Label2"), QString());
    addButton(QStringLiteral("Ok"), QStringLiteral("Uzavře dialogové okno"));
}

void TZpravaDialog::ukazat(const QString& message)
{
    text()->setText(message);
    fitText();
    ask();
}

void TZpravaDialog::ukazat(const Status& status)
{
    ukazat(status.message());
}

QString TZpravaDialog::message() const
{
    return text()->text();
}
