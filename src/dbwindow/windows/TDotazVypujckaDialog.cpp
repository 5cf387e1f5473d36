#include "TDotazVypujckaDialog.h"

#include "DialogLook.h"

#include <QLabel>
#include <QLineEdit>

TDotazVypujckaDialog::TDotazVypujckaDialog(HlavniSluzby& sluzby, QWidget* parent)
    : TBublinaOtazka(sluzby, QStringLiteral("SBO7"), QStringLiteral("Info.wav"), parent)
{
    setObjectName(QStringLiteral("DotazVypujckaDialog"));
    setHint(this, QStringLiteral("Upozornění"));
    QLabel* text = addText(QStringLiteral("Label2"),
                           QStringLiteral("Před  uzavřením  okna  je  nutné  uložit  právě "
                                          "prováděné změny u vypůjčitelů."));
    text->resize(text->width(), 30);
    m_name = new QLabel(this);
    m_name->setObjectName(QStringLiteral("Label3"));
    m_name->setTextFormat(Qt::PlainText);
    m_name->setFont(classicFont(true));
    m_name->setWordWrap(true);
    m_name->setGeometry(text->x(), text->geometry().bottom() + 1, text->width(), 28);
    m_kontrola = new QLineEdit(QStringLiteral("0"), this);
    m_kontrola->setObjectName(QStringLiteral("Kontrola"));
    m_kontrola->hide();
    addButton(QStringLiteral("Ok"), QStringLiteral("Uzavře dialogové okno"));
}

void TDotazVypujckaDialog::warn(int slot, const QString& name)
{
    m_kontrola->setText(QString::number(slot));
    m_name->setText(name);
    ask();
}

int TDotazVypujckaDialog::slot() const
{
    return m_kontrola->text().toInt();
}

QString TDotazVypujckaDialog::databaseName() const
{
    return m_name->text();
}
