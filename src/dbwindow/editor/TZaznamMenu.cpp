#include "TZaznamMenu.h"

#include <QAction>

using recordrules::RecordCommand;

TZaznamMenu::TZaznamMenu(QWidget* parent) : QMenu(parent)
{
    setObjectName(QStringLiteral("PopupMenu1"));
    setToolTipsVisible(true);
    addItems(this, {{"MP0", "Náhled...", "", RecordCommand::Preview},
                    {"MP01", "Tisk...", "Ctrl+P", RecordCommand::Print}});
    addSeparator();
    addItems(this, {{"MP1", "Vyjmout", "Ctrl+X", RecordCommand::Cut},
                    {"MP2", "Kopírovat", "Ctrl+C", RecordCommand::Copy},
                    {"MP3", "Vložit", "Ctrl+V", RecordCommand::Paste}});
    addSeparator();
    addItems(this, {{"MP4", "Odstranit záznam", "Ctrl+Del", RecordCommand::Delete},
                    {"MP5", "Editovat záznam", "Ctrl+Ins", RecordCommand::Edit},
                    {"MP6", "Uložit záznam", "Enter", RecordCommand::Save},
                    {"MP13", "Zpět", "", RecordCommand::Undo}});
    addSeparator();
    addItems(this, {{"MP7", "Najít...", "Ctrl+F", RecordCommand::Find}});
    m_goTo = addMenu(QStringLiteral("Přejít na ..."));
    m_goTo->setObjectName(QStringLiteral("MP"));
    m_goTo->menuAction()->setObjectName(QStringLiteral("MP"));
    m_goTo->setToolTipsVisible(true);
    addItems(m_goTo, {{"MP8", "První", "F5", RecordCommand::First},
                      {"MP9", "Předchozí", "F6", RecordCommand::Previous},
                      {"MP10", "Další", "F7", RecordCommand::Next},
                      {"MP11", "Poslední", "F8", RecordCommand::Last},
                      {"MP12", "Nový záznam", "Ins", RecordCommand::New}});
    addSeparator();
    addItems(this, {{"MP14", "Načíst stopy z disku...", "", RecordCommand::ReadTracks}});
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
        action->setStatusTip(recordrules::hintOf(entry.hint));
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
