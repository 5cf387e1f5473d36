#include "TDotazOdstranitDialog.h"

#include "DialogLook.h"

TDotazOdstranitDialog::TDotazOdstranitDialog(HlavniSluzby& sluzby, QWidget* parent)
    : TBublinaOtazka(sluzby, QStringLiteral("SBO6"), QStringLiteral("Dotaz.wav"), parent)
{
    setObjectName(QStringLiteral("DotazOdstranitDialog"));
    setHint(this, QStringLiteral("Dotaz"));
    addText(QStringLiteral("Label2"),
            QStringLiteral("Opravdu chcete tento záznam trvale odstranit ?"));
    addButton(QStringLiteral("Ano"),
              QStringLiteral("Odstraní aktuální záznam a uzavře dialogové okno"));
    addButton(QStringLiteral("Ne"), QStringLiteral("Uzavře dialogové okno bez odstranění záznamu"));
}

void TDotazOdstranitDialog::ask(int slot)
{
    setKontrola(QString::number(slot));
    TBublinaOtazka::ask();
}

void TDotazOdstranitDialog::yes()
{
    const int slot = m_kontrola.toInt();
    hide();
    emit deleteConfirmed(slot);
}
