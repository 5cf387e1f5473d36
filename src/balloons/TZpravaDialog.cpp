#include "TZpravaDialog.h"

#include "DialogLook.h"
#include "Status.h"

#include <QLabel>

namespace {
const QString kBetween = QStringLiteral("\n\n");
} // namespace

TZpravaDialog::TZpravaDialog(HlavniSluzby& sluzby, QWidget* parent)
    : TBublinaOtazka(sluzby, QStringLiteral("SBO7"), QStringLiteral("Info.wav"), parent)
{
    setObjectName(QStringLiteral("ZpravaDialog"));
    setHint(this, QStringLiteral("Upozornění"));
    addText(QStringLiteral("Label2"), QString());
    addButton(QStringLiteral("Ok"), QStringLiteral("Uzavře dialogové okno"));
}

// A failure that comes while an earlier one is still up is added under it:
// at a start in a folder that takes no data, the reason and each setting that
// cannot be saved come one after another, and the reason must stay in view.
void TZpravaDialog::ukazat(const QString& message)
{
    const QString shown = text()->text();
    if (!isVisible() || shown.isEmpty())
        text()->setText(message);
    else if (!(kBetween + shown + kBetween).contains(kBetween + message + kBetween))
        text()->setText(shown + kBetween + message);
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
