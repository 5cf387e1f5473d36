#include "TDotazKonecDialog.h"

#include "DialogLook.h"
#include "HlavniSluzby.h"
#include "TDatabazeDialog.h"

#include <QLabel>
#include <QLineEdit>

TDotazKonecDialog::TDotazKonecDialog(HlavniSluzby& sluzby, QWidget* parent)
    : TBublinaOtazka(sluzby, QStringLiteral("SBO6"), QStringLiteral("Dotaz.wav"), parent)
{
    setObjectName(QStringLiteral("DotazKonecDialog"));
    setHint(this, QStringLiteral("Dotaz"));
    QLabel* question = addText(QStringLiteral("Label2"),
                               QStringLiteral("Chcete uložit právě prováděné změny v databázi ?"));
    question->resize(question->width(), 30);
    m_name = new QLabel(this);
    m_name->setObjectName(QStringLiteral("Label3"));
    m_name->setTextFormat(Qt::PlainText);
    m_name->setFont(classicFont(true));
    m_name->setWordWrap(true);
    m_name->setGeometry(question->x(), question->geometry().bottom() + 1, question->width(), 28);
    m_kontrola = new QLineEdit(QStringLiteral("0"), this);
    m_kontrola->setObjectName(QStringLiteral("Kontrola"));
    m_kontrola->hide();
    m_kontrola2 = new QLineEdit(QStringLiteral("0"), this);
    m_kontrola2->setObjectName(QStringLiteral("Kontrola2"));
    m_kontrola2->hide();
    addButton(QStringLiteral("Ano"),
              QStringLiteral("Uloží prováděné změny a uzavře dialogové okno"));
    addButton(QStringLiteral("Ne"),
              QStringLiteral("Uzavře dialogové okno bez uložení prováděných změn"));
}

void TDotazKonecDialog::ask(int slot, const QString& name)
{
    m_kontrola->setText(QString::number(slot));
    m_name->setText(name);
    TBublinaOtazka::ask();
}

int TDotazKonecDialog::slot() const
{
    return m_kontrola->text().toInt();
}

QString TDotazKonecDialog::databaseName() const
{
    return m_name->text();
}

void TDotazKonecDialog::setExitMark(int slot)
{
    m_kontrola2->setText(QString::number(slot));
}

QString TDotazKonecDialog::exitMark() const
{
    return m_kontrola2->text();
}

void TDotazKonecDialog::resetMarks()
{
    m_kontrola->setText(QStringLiteral("0"));
    m_kontrola2->setText(QStringLiteral("0"));
}

TDatabazeDialog* TDotazKonecDialog::askingWindow() const
{
    return qobject_cast<TDatabazeDialog*>(sluzby().documentWindow(slot()));
}

void TDotazKonecDialog::yes()
{
    answer(true);
}

void TDotazKonecDialog::no()
{
    answer(false);
}

// The question goes first, so that the record is stored or dropped with the
// main window enabled again, as the record editor expects of an edited record.
void TDotazKonecDialog::answer(bool save)
{
    TDatabazeDialog* asking = askingWindow();
    hide();
    Status s;
    if (asking && save)
        s = asking->saveAndClose();
    else if (asking)
        asking->discardAndClose();
    if (!s) {
        // The exit waits until the record is stored or dropped.
        m_kontrola2->setText(QStringLiteral("0"));
        emit failed(s);
        return;
    }
    if (exitMark() == QLatin1String("1"))
        sluzby().closeMain();
}
