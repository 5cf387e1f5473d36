#pragma once

#include "RecordCommandRules.h"

#include <QHash>
#include <QMenu>

class QAction;

// The record pop-up menu of a database window: reports, the clipboard, the
// record commands, the search and the "Přejít na ..." submenu. The shortcuts
// are shown beside the items; they act only while the menu is open, so they
// never compete with the same keys of the main window.
class TZaznamMenu final : public QMenu
{
    Q_OBJECT

public:
    explicit TZaznamMenu(QWidget* parent = nullptr);

    // MP0, MP01, MP1 ... MP14; "MP" is the submenu's own item.
    QAction* item(const QString& name) const;
    QMenu* goToMenu() const { return m_goTo; }

private:
    struct Item
    {
        const char* name;
        const char* caption;
        const char* shortcut;
        recordrules::RecordCommand hint;
    };
    void addItems(QMenu* menu, std::initializer_list<Item> items);

    QMenu* m_goTo = nullptr;
    QHash<QString, QAction*> m_items;
};
