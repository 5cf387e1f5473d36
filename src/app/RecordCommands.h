#pragma once

#include "Status.h"

#include <QObject>
#include <QPointer>
#include <QSet>

#include <functional>
#include <memory>

class NacteniStop;
class TDatabazeDialog;
class TDotazOdstranitDialog;
class THlavniDialog;
class TZaznamEditor;

// Gives every database window its record editor and leads the main window's
// record commands (menu items, toolbar and side-bar buttons) to the editor of
// the window in front. The enabling of those commands follows the state of
// that editor whenever it changes: editing, an empty table, the first or the
// last record.
class RecordCommands final : public QObject
{
    Q_OBJECT

public:
    explicit RecordCommands(THlavniDialog& hlavni, QObject* parent = nullptr);
    ~RecordCommands() override;

    TDotazOdstranitDialog* deleteQuestion() const { return m_delete.get(); }
    NacteniStop* trackReading() const { return m_tracks.get(); }
    // Gives a new database window its record editor and the saver that the
    // window's save question uses.
    void equip(TDatabazeDialog* window);
    // The editor of the window in front, or null.
    TZaznamEditor* activeEditor() const;
    // The record menu's "Najít..." searches the database of its window.
    void setSearch(std::function<void(int slot)> search) { m_search = std::move(search); }

private:
    void routeCommands();
    void followWindows();
    void follow(TZaznamEditor* editor);
    void run(Status (TZaznamEditor::*command)());
    void askDelete();
    void deleteConfirmed(int slot);
    void applyRules();
    void applyGenreChoice();
    void setClipboardCommands(bool enabled);
    void showError(const Status& status);

    THlavniDialog& m_hlavni;
    std::unique_ptr<TDotazOdstranitDialog> m_delete;
    std::unique_ptr<NacteniStop> m_tracks;
    QSet<const QObject*> m_followed;
    std::function<void(int slot)> m_search;
};
