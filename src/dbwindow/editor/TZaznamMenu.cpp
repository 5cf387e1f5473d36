#include "TZaznamMenu.h"

#include <QAction>

TZaznamMenu::TZaznamMenu(QWidget* parent) : QMenu(parent)
{
    setObjectName(QStringLiteral("PopupMenu1"));
    setToolTipsVisible(true);
    addItems(this,
             {{"MP0", "Náhled...", "", "Zobrazí náhled tiskových sestav"},
              {"MP01", "Tisk...", "Ctrl+P", "Zobrazí dialog pro výběr tisku jednotlivých sestav"}});
    addSeparator();
    addItems(this, {{"MP1", "Vyjmout", "Ctrl+X", "Vyjme označený text a uloží ho do schránky"},
                    {"MP2", "Kopírovat", "Ctrl+C", "Zkopíruje označený text do schránky"},
                    {"MP3", "Vložit", "Ctrl+V", "Vloží text ze schránky na místo kurzoru"}});
    addSeparator();
    addItems(
        this,
        {{"MP4", "Odstranit záznam", "Ctrl+Del", "Zruší aktuální záznam ve vybrané databázi"},
         {"MP5", "Editovat záznam", "Ctrl+Ins",
          "Umožní editaci aktuálního záznamu ve vybrané databázi"},
         {"MP6", "Uložit záznam", "Enter", "Uloží změny aktuálního záznamu ve vybrané databázi"},
         {"MP13", "Zpět", "", "Vrátí změny aktuálního záznamu ve vybrané databázi"}});
    addSeparator();
    addItems(this, {{"MP7", "Najít...", "Ctrl+F", "Vyhledá záznam ve vybrané databázi"}});
    m_goTo = addMenu(QStringLiteral("Přejít na ..."));
    m_goTo->setObjectName(QStringLiteral("MP"));
    m_goTo->menuAction()->setObjectName(QStringLiteral("MP"));
    m_goTo->setToolTipsVisible(true);
    addItems(m_goTo, {{"MP8", "První", "F5", "Zobrazí první záznam vybrané databáze"},
                      {"MP9", "Předchozí", "F6", "Zobrazí předchozí záznam vybrané databáze"},
                      {"MP10", "Další", "F7", "Zobrazí následující záznam vybrané databáze"},
                      {"MP11", "Poslední", "F8", "Zobrazí poslední záznam vybrané databáze"},
                      {"MP12", "Nový záznam", "Ins", "Vytvoří nový záznam ve vybrané databázi"}});
    addSeparator();
    addItems(this, {{"MP14", "Načíst stopy z disku...", "",
                     "Vyplní stopy nosiče z disku v mechanice, z obrazu disku nebo ze složky"}});
    for (const char* name : {"MP0", "MP01", "MP1", "MP2", "MP3"})
        item(QString::fromLatin1(name))->setEnabled(false);
}

void TZaznamMenu::addItems(QMenu* menu, std::initializer_list<Item> items)
{
    for (const Item& entry : items) {
        QAction* action = menu->addAction(QString::fromUtf8(entry.caption));
        action->setObjectName(QString::fromLatin1(entry.name));
        action->setShortcut(QKeySequence(QString::fromLatin1(entry.shortcut)));
        action->setShortcutContext(Qt::WidgetShortcut);
        action->setStatusTip(QString::fromUtf8(entry.hint));
        action->setToolTip(action->statusTip());
        m_items.insert(action->objectName(), action);
    }
}

QAction* TZaznamMenu::item(const QString& name) const
{
    if (name == QLatin1String("MP"))
        return m_goTo->menuAction();
    return m_items.value(name);
}
