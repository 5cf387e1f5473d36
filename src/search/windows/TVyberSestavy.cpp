#include "TVyberSestavy.h"

#include "HlavniSluzby.h"
#include "ProgramFolder.h"
#include "ResultList.h"
#include "TDataModule1.h"
#include "TOfficeButton.h"
#include "TTable.h"

#include <QLineEdit>

namespace {
constexpr int kAuxiliaryTable = 5;
const QString kHintConfirm = QStringLiteral(
    "Zobrazí tiskovou/náhledovou sestavu pro vybraného interpreta a uzavře dialogové okno");
const QString kHintKonec =
    QStringLiteral("Uzavře dialogové okno bez zobrazení tiskové/náhledové sestavy");
} // namespace

TVyberSestavy::TVyberSestavy(HlavniSluzby& sluzby, const QString& name, const QString& heading,
                             QString field)
    : TVysledekOkno(sluzby, name, {kHintConfirm, kHintKonec}), m_field(std::move(field))
{
    setWindowTitle(heading);
    setHeading(heading);
    confirmButton()->setObjectName(QStringLiteral("OfficeButton1"));
    m_k1 = createField(QStringLiteral("K1"));
    m_k2 = createField(QStringLiteral("K2"));
    m_kontrola = createField(QStringLiteral("Kontrola"));
    m_mode = createField(QStringLiteral("K3"));
    m_key = createField(QStringLiteral("K4"));
    m_key->clear();
}

TVyberSestavy::~TVyberSestavy() = default;

void TVyberSestavy::setRequest(QChar mode, ReportCopies::Run run)
{
    m_mode->setText(mode);
    confirmButton()->setCaption(mode == QLatin1Char('T') ? QStringLiteral("Tisk")
                                                         : QStringLiteral("Náhled"));
    m_run = std::move(run);
}

QChar TVyberSestavy::mode() const
{
    return m_mode->text().isEmpty() ? QChar() : m_mode->text().at(0);
}

QString TVyberSestavy::key() const
{
    return m_key->text();
}

QString TVyberSestavy::confirmCaption() const
{
    return confirmButton()->caption();
}

// One level: the key of each row that has one, merged and sorted.
Status TVyberSestavy::fill(search::ResultTree& tree)
{
    search::Criterion list;
    list.keyField = m_field;
    list.path = {m_field};
    list.index = m_field;
    return search::fillResults(
        list, sluzby().programFolder().dataFolder() + QStringLiteral("AudioI.dbf"), &tree);
}

QString TVyberSestavy::textFor(int node, const search::ResultTree::Target&) const
{
    return results().text(node);
}

void TVyberSestavy::chosenChanged(const QString& text)
{
    m_key->setText(text);
}

void TVyberSestavy::confirm()
{
    const QString chosen = key();
    ReportCopies::Run run = std::move(m_run);
    m_run = {};
    hide();
    if (run)
        run(chosen);
}

// Enter runs the report even on no entry; K4 is then empty and the report
// lists nobody.
void TVyberSestavy::enterPressed()
{
    confirm();
}

void TVyberSestavy::resetCodes()
{
    for (QLineEdit* field : {m_k1, m_k2, m_kontrola})
        field->setText(QStringLiteral("0"));
    m_run = {};
}

TVysledek1Dialog::TVysledek1Dialog(HlavniSluzby& sluzby)
    : TVyberSestavy(sluzby, QStringLiteral("Vysledek1Dialog"),
                    QStringLiteral("Výběr autora pro tiskovou sestavu"),
                    QStringLiteral("INTERPRET"))
{
}

Status TVysledek1Dialog::fill(search::ResultTree& tree)
{
    // The table object shows the new copy from now on, unfiltered.
    if (TTable* auxiliary = sluzby().dataModule()->table(kAuxiliaryTable)) {
        auxiliary->setDatabaseName(sluzby().programFolder().dataFolder());
        auxiliary->close();
        if (Status s = auxiliary->open(); !s)
            return s;
        (void)auxiliary->setFiltered(false);
    }
    return TVyberSestavy::fill(tree);
}

TVysledek2Dialog::TVysledek2Dialog(HlavniSluzby& sluzby)
    : TVyberSestavy(sluzby, QStringLiteral("Vysledek2Dialog"),
                    QStringLiteral("Výběr nosiče pro tiskovou sestavu"), QStringLiteral("NAZEV"))
{
    m_variant = createField(QStringLiteral("K5"));
}

void TVysledek2Dialog::setVariant(QChar variant)
{
    m_variant->setText(variant);
}

QChar TVysledek2Dialog::variant() const
{
    return m_variant->text().isEmpty() ? QChar() : m_variant->text().at(0);
}
