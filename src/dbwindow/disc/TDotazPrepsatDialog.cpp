#include "TDotazPrepsatDialog.h"

#include "DialogLook.h"

TDotazPrepsatDialog::TDotazPrepsatDialog(HlavniSluzby& sluzby, QWidget* parent)
    : TBublinaOtazka(sluzby, QStringLiteral("SBO6"), QStringLiteral("Dotaz.wav"), parent)
{
    setObjectName(QStringLiteral("DotazPrepsatDialog"));
    setHint(this, QStringLiteral("Dotaz"));
    addText(QStringLiteral("Label2"), QStringLiteral("Přepsat vyplněné stopy?"));
    addButton(QStringLiteral("Ano"), QStringLiteral("Nahradí stopy záznamu stopami z disku"));
    addButton(QStringLiteral("Ne"), QStringLiteral("Ponechá záznam tak, jak je"));
}

void TDotazPrepsatDialog::yes()
{
    hide();
    emit answered(true);
}

void TDotazPrepsatDialog::no()
{
    hide();
    emit answered(false);
}
