#pragma once

#include "Status.h"
#include "TVyberDialog.h"

#include <QPointer>

#include <functional>

class TDatabazeDialog;
class TDotazKonecDialog;
class ProgressWindow;
class TTable;

// The chooser that opens a database: the standard database and the three
// optional ones, struck when open or not created. Choosing one opens its
// table under the progress window and shows the database window.
class TOtevreniDialog final : public TVyberDialog
{
    Q_OBJECT

public:
    // Equips a new database window (its record editor) before it is shown.
    using WindowSetup = std::function<void(TDatabazeDialog*)>;

    explicit TOtevreniDialog(HlavniSluzby& sluzby, QWidget* parent = nullptr);

    // "Otevřít databázi...".
    void ask() { TVyberDialog::ask(); }

    // The question a window asks when it is closed during editing.
    void setSaveQuestion(TDotazKonecDialog* dotaz);
    void setWindowSetup(WindowSetup setup) { m_windowSetup = std::move(setup); }

    // Opens the database of slot 1-4 as its entry would; the window is shown.
    TDatabazeDialog* open(int slot, const QString& name);

signals:
    void opened(TDatabazeDialog* window);
    // Nothing was opened; the key of the slot is as it was.
    void failed(const Status& status);

protected:
    void fillEntries() override;
    void choose(int entry) override;

private:
    Status writeOpenKey(int slot, bool open) const;
    Status openTable(int slot, TTable& table, ProgressWindow& progress) const;
    TDatabazeDialog* createWindow(int slot, const QString& name) const;

    QPointer<TDotazKonecDialog> m_dotaz;
    WindowSetup m_windowSetup;
};
