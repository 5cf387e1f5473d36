#include "TIniDialog.h"

#include "HlavniSluzby.h"
#include "IniFile.h"
#include "ProgramFolder.h"

const QList<TIniDialog::Key>& TIniDialog::restoredKeys()
{
    static const QList<Key> keys{
        {"Zobrazit", "Standardni", "1"},   {"Zobrazit", "Okna", "1"},
        {"Zobrazit", "Databaze", "1"},     {"Zobrazit", "TipyDne", "1"},
        {"Zobrazit", "StavovyRadek", "1"}, {"Zobrazit", "PanelOutlook", "1"},
        {"Otevreni", "Databaze1", "0"},    {"Otevreni", "Databaze2", "0"},
        {"Otevreni", "Databaze3", "0"},    {"Otevreni", "Databaze4", "0"},
        {"Obrazek", "Obrazek", ""},        {"Kontrola", "Pomocna", "0"},
        {"Kontrola", "Pomocna1", "0"}};
    return keys;
}

TIniDialog::TIniDialog(HlavniSluzby& sluzby, QWidget* parent)
    : TBublinaOtazka(sluzby, QStringLiteral("SBO6"), QStringLiteral("Dotaz.wav"), parent)
{
    setObjectName(QStringLiteral("IniDialog"));
    addText(QStringLiteral("Label2"),
            QStringLiteral("Opravdu chcete obnovit nastavení v *.INI souboru ?"));
    addButton(QStringLiteral("Ano"),
              QStringLiteral("Obnoví nastavení v *.INI souboru a uzavře dialogové okno"));
    addButton(QStringLiteral("Ne"),
              QStringLiteral("Uzavře dialogové okno bez obnovení v *.INI souboru"));
}

void TIniDialog::ask()
{
    TBublinaOtazka::ask();
}

void TIniDialog::yes()
{
    const IniFile ini(sluzby().programFolder().programIniPath());
    Status first;
    for (const Key& key : restoredKeys()) {
        if (Status s = ini.writeString(key.section, key.key, key.value); !s && first)
            first = s;
    }
    if (!first)
        sluzby().reportError(first);
    emit restored();
    hide();
}
