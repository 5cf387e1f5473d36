#include "TVysledekDialog.h"

#include "HlavniSluzby.h"
#include "ProgramFolder.h"
#include "ResultList.h"
#include "SearchCriteria.h"
#include "TDataModule1.h"
#include "TTable.h"

#include <QLineEdit>

TVysledekDialog::TVysledekDialog(HlavniSluzby& sluzby)
    : TVysledekOkno(sluzby, QStringLiteral("VysledekDialog"),
                    {QStringLiteral("Zobrazí nalezený záznam a uzavře dialogové okno"),
                     QStringLiteral("Uzavře dialogové okno bez zobrazení vybraného záznamu")})
{
    setWindowTitle(QStringLiteral("Výsledek hledání"));
    m_code = createField(QStringLiteral("Kontrola"));
    m_slot = createField(QStringLiteral("K1"));
    m_k2 = createField(QStringLiteral("K2"));
}

void TVysledekDialog::setRequest(const QString& code, int slot, const QString& heading)
{
    m_code->setText(code);
    m_slot->setText(QString::number(slot));
    setHeading(heading);
}

QString TVysledekDialog::code() const
{
    return m_code->text();
}

int TVysledekDialog::slot() const
{
    return m_slot->text().toInt();
}

Status TVysledekDialog::fill(search::ResultTree& tree)
{
    const search::Criterion* criterion = search::criterion(code());
    return criterion
               ? search::fillResults(
                     *criterion,
                     sluzby().programFolder().dataFolder() + QStringLiteral("AudioI.dbf"), &tree)
               : Status::error(QStringLiteral("Neznámý klíč vyhledávání."));
}

QString TVysledekDialog::textFor(int, const search::ResultTree::Target& target) const
{
    return target.title;
}

void TVysledekDialog::confirm()
{
    const search::ResultTree::Target target = chosenTarget();
    const QString wanted = code();
    TTable* table = sluzby().dataModule()->slotTable(slot());
    hide();
    const Status s = table ? search::showCarrier(*table, wanted, target)
                           : Status::error(QStringLiteral("Databáze není otevřená."));
    if (!s)
        emit failed(s);
}

void TVysledekDialog::resetCodes()
{
    for (QLineEdit* field : {m_code, m_slot, m_k2})
        field->setText(QStringLiteral("0"));
}
