#include "TZrusitVolitelnyDialog.h"

#include "DialogLook.h"
#include "HlavniSluzby.h"
#include "OptionalDatabases.h"

#include <QLabel>
#include <QTextLayout>

namespace {
const QString kQuestion = QStringLiteral("Opravdu si přejete zrušit volitelnou databázi č.     ?");
const QString kBeforeGap = QStringLiteral("č. ");
} // namespace

TZrusitVolitelnyDialog::TZrusitVolitelnyDialog(HlavniSluzby& sluzby, QWidget* parent)
    : TBublinaOtazka(sluzby, QStringLiteral("SBO6"), QStringLiteral("Dotaz.wav"), parent)
{
    setObjectName(QStringLiteral("ZrusitVolitelnyDialog"));
    setHint(this, QStringLiteral("Dotaz"));
    addText(QStringLiteral("Label2"), kQuestion);
    m_number = new QLabel(this);
    m_number->setObjectName(QStringLiteral("Label3"));
    m_number->setFont(classicFont(true));
    addButton(QStringLiteral("Ano"),
              QStringLiteral("Zruší vybranou databázi a uzavře dialogové okno"));
    addButton(QStringLiteral("Ne"),
              QStringLiteral("Uzavře dialogové okno bez zrušení vybrané databáze"));
    placeNumber();
}

void TZrusitVolitelnyDialog::placeNumber()
{
    // The number goes where the question leaves its gap, wherever the line breaks.
    const int gap = int(kQuestion.indexOf(kBeforeGap) + kBeforeGap.size());
    QTextLayout layout(text()->text(), text()->font());
    QTextOption option;
    option.setWrapMode(QTextOption::WordWrap);
    layout.setTextOption(option);
    layout.beginLayout();
    qreal y = 0;
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(text()->contentsRect().width());
        line.setPosition(QPointF(0, y));
        if (gap >= line.textStart() && gap < line.textStart() + line.textLength()) {
            m_number->setGeometry(text()->x() + qRound(line.cursorToX(gap)),
                                  text()->y() + qRound(y), 24, qRound(line.height()));
        }
        y += line.height();
    }
    layout.endLayout();
}

void TZrusitVolitelnyDialog::ask(int optional)
{
    m_number->setText(QString::number(optional));
    TBublinaOtazka::ask();
}

int TZrusitVolitelnyDialog::optional() const
{
    return m_number->text().toInt();
}

void TZrusitVolitelnyDialog::yes()
{
    const int k = optional();
    const OptionalDatabases databases(sluzby().programFolder());
    // The dialog that led here does not offer an open database; a window that
    // opened meanwhile still holds its table.
    Status s = databases.isOpen(k + 1) || sluzby().documentWindow(k + 1)
                   ? Status::error(QStringLiteral("Volitelnou databázi č. %1 nelze zrušit, "
                                                  "protože je otevřená.")
                                       .arg(k))
                   : databases.remove(k);
    hide();
    if (s)
        emit removed(k);
    else
        emit failed(s);
}
