#include "RecordCommands.h"

#include "NacteniStop.h"
#include "RecordCommandRules.h"
#include "TDataModule1.h"
#include "TDatabazeDialog.h"
#include "TDokumenty.h"
#include "TDotazOdstranitDialog.h"
#include "THlavniDialog.h"
#include "TTable.h"
#include "TZaznamEditor.h"

#include <QDate>
#include <QMenu>

namespace {
const QStringList kClipboardCommands = {"MU1", "MU2", "MU3", "TS6", "TS7", "TS8"};
}

RecordCommands::RecordCommands(THlavniDialog& hlavni, QObject* parent)
    : QObject(parent), m_hlavni(hlavni), m_delete(std::make_unique<TDotazOdstranitDialog>(hlavni)),
      m_tracks(std::make_unique<NacteniStop>(hlavni))
{
    connect(m_delete.get(), &TDotazOdstranitDialog::deleteConfirmed, this,
            &RecordCommands::deleteConfirmed);
    routeCommands();
    TDokumenty* dokumenty = hlavni.dokumenty();
    connect(dokumenty, &TDokumenty::windowsChanged, this, &RecordCommands::followWindows);
    connect(dokumenty, &QMdiArea::subWindowActivated, this, &RecordCommands::applyRules);
    // Opening Nástroje enables the genre choice for any database window; the
    // kind of the carrier in front has the last word.
    if (QMenu* tools = hlavni.mainMenu(QStringLiteral("MenuNastroje")))
        connect(tools, &QMenu::aboutToShow, this, &RecordCommands::applyGenreChoice);
}

RecordCommands::~RecordCommands() = default;

void RecordCommands::routeCommands()
{
    const QList<QPair<const char*, Status (TZaznamEditor::*)()>> commands = {
        {"PNa1", &TZaznamEditor::first},     {"Pna2", &TZaznamEditor::prior},
        {"PNa3", &TZaznamEditor::next},      {"PNa4", &TZaznamEditor::last},
        {"PNa5", &TZaznamEditor::newRecord}, {"MU5", &TZaznamEditor::editRecord},
        {"MU6", &TZaznamEditor::saveRecord}, {"MU9", &TZaznamEditor::undoRecord},
    };
    for (const auto& [name, command] : commands)
        m_hlavni.route(QString::fromLatin1(name), this,
                       [this, command = command] { run(command); });
    m_hlavni.route(QStringLiteral("MU4"), this, [this] { askDelete(); });
    m_hlavni.route(QStringLiteral("MU10"), this, [this] { m_tracks->start(activeEditor()); });
    m_hlavni.route(QStringLiteral("MU1"), this, [this] {
        if (TZaznamEditor* editor = activeEditor())
            editor->cut();
    });
    m_hlavni.route(QStringLiteral("MU2"), this, [this] {
        if (TZaznamEditor* editor = activeEditor())
            editor->copy();
    });
    m_hlavni.route(QStringLiteral("MU3"), this, [this] {
        if (TZaznamEditor* editor = activeEditor())
            editor->paste();
    });
    // Nothing is offered until a database window says what it can do.
    for (const recordrules::Rule& rule : recordrules::rulesFor(recordrules::WindowState::Editing))
        if (!recordrules::isPopupItem(rule.item))
            m_hlavni.setCommandAvailable(rule.item, false);
    setClipboardCommands(false);
}

TZaznamEditor* RecordCommands::activeEditor() const
{
    auto* window = qobject_cast<TDatabazeDialog*>(m_hlavni.dokumenty()->currentDatabaseWindow());
    return window ? qobject_cast<TZaznamEditor*>(window->editor()) : nullptr;
}

void RecordCommands::followWindows()
{
    for (int slot = 1; slot <= 4; ++slot) {
        auto* window = qobject_cast<TDatabazeDialog*>(m_hlavni.dokumenty()->databaseWindow(slot));
        if (auto* editor = window ? qobject_cast<TZaznamEditor*>(window->editor()) : nullptr)
            follow(editor);
    }
    applyRules();
}

void RecordCommands::equip(TDatabazeDialog* window)
{
    auto* editor = new TZaznamEditor(m_hlavni.dataModule()->dataSource(window->slot()));
    window->setEditor(editor);
    if (m_search) {
        editor->setAnswered(TZaznamEditor::Request::Search);
        connect(editor, &TZaznamEditor::searchRequested, this,
                [this, slot = window->slot()] { m_search(slot); });
    }
    // The editor's menu is the window's record menu, PopupMenu1.
    window->setRecordMenu(editor->popupMenu());
    // The save question stores the record the way the save command does,
    // total included. Another editor may take this one's place; then the
    // record is saved as it stands in the table, stamped with today's date.
    window->setRecordSaver([editor = QPointer<TZaznamEditor>(editor), window]() -> Status {
        if (editor)
            return editor->saveRecord();
        TTable* table = window->table();
        if (Status s = recordrules::stampToday(*table); !s)
            return s;
        return table->post();
    });
}

// Each editor is followed once, whoever made it.
void RecordCommands::follow(TZaznamEditor* editor)
{
    if (m_followed.contains(editor))
        return;
    m_followed.insert(editor);
    connect(editor, &QObject::destroyed, this, [this, editor] { m_followed.remove(editor); });
    connect(editor, &TZaznamEditor::stateChanged, this, &RecordCommands::applyRules);
    connect(editor, &TZaznamEditor::clipboardTargetChanged, this,
            &RecordCommands::setClipboardCommands);
    connect(editor, &TZaznamEditor::genreChoiceAllowedChanged, this,
            &RecordCommands::applyGenreChoice);
    connect(editor, &TZaznamEditor::deleteRequested, this, &RecordCommands::askDelete);
    connect(editor, &TZaznamEditor::readTracksRequested, this,
            [this, editor] { m_tracks->start(editor); });
    connect(editor, &TZaznamEditor::commandFailed, this, &RecordCommands::showError);
}

void RecordCommands::run(Status (TZaznamEditor::*command)())
{
    TZaznamEditor* editor = activeEditor();
    if (!editor)
        return;
    if (Status s = (editor->*command)(); !s)
        showError(s);
    applyRules();
}

void RecordCommands::askDelete()
{
    if (TZaznamEditor* editor = activeEditor(); editor && !editor->isEditing())
        m_delete->ask(m_hlavni.activeDatabaseSlot());
}

void RecordCommands::deleteConfirmed(int slot)
{
    auto* window = qobject_cast<TDatabazeDialog*>(m_hlavni.dokumenty()->databaseWindow(slot));
    auto* editor = window ? qobject_cast<TZaznamEditor*>(window->editor()) : nullptr;
    if (!editor)
        return;
    if (Status s = editor->deleteRecord(); !s)
        showError(s);
    applyRules();
}

// With no database window in front the items stay as they are; closing a
// window disables them itself.
void RecordCommands::applyRules()
{
    TZaznamEditor* editor = activeEditor();
    if (!editor || !editor->table())
        return;
    const TTable* table = editor->table();
    const auto state = recordrules::stateOf(editor->isEditing(), table->bof(), table->eof());
    for (const recordrules::Rule& rule : recordrules::rulesFor(state)) {
        if (rule.enabled && !recordrules::isPopupItem(rule.item))
            m_hlavni.setCommandAvailable(rule.item, *rule.enabled);
    }
    applyGenreChoice();
}

void RecordCommands::applyGenreChoice()
{
    if (TZaznamEditor* editor = activeEditor())
        m_hlavni.setCommandAvailable(QStringLiteral("MN7"), editor->allowsGenreChoice());
}

void RecordCommands::setClipboardCommands(bool enabled)
{
    for (const QString& name : kClipboardCommands)
        m_hlavni.setCommandAvailable(name, enabled);
}

// A refused command is told like every other failure: in the program's
// message balloon.
void RecordCommands::showError(const Status& status)
{
    m_hlavni.reportError(status);
}
