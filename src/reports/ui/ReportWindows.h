#pragma once

#include "ReportOutput.h"
#include "TNahledDialog.h"

#include <QObject>

#include <memory>

class ReportCopies;
class TAbecedaDialog;
class TInterpretDialog;
class TDatabazeDialog;
class TObrazekDialog;
class TPrevDialog;

// The report chooser with the labels dialog, the picture dialogs and the
// output that previews or prints: made once at start-up, shown when asked.
class ReportWindows final : public QObject
{
    Q_OBJECT

public:
    // Prints on the printer of the services and follows their kind choice.
    ReportWindows(HlavniSluzby& sluzby, QWidget* mainWindow, QObject* parent = nullptr);
    ~ReportWindows() override;

    TNahledDialog* nahled() const { return m_nahled.get(); }
    TPopiskyDialog* popisky() const { return m_popisky.get(); }
    TObrazekDialog* obrazek() const { return m_obrazek.get(); }
    TPrevDialog* prev() const { return m_prev.get(); }
    TAbecedaDialog* abeceda() const { return m_abeceda.get(); }
    TInterpretDialog* interpret() const { return m_interpret.get(); }
    ReportOutput* output() const { return m_output.get(); }

    // "Náhled..." and "Tisk..." of the main window: for the window in front.
    void openChooser(TNahledDialog::Mode mode);
    // The same from a database window's own pop-up menu.
    void openChooserFor(TDatabazeDialog* window, TNahledDialog::Mode mode);
    // Lets a new database window's pop-up menu offer preview and print.
    void equip(TDatabazeDialog* window);
    // The copies and pickers of the search that the performer list and the
    // selected carrier print from; without them neither is offered.
    void setReportCopies(ReportCopies* copies);

private:
    HlavniSluzby& m_sluzby;
    std::unique_ptr<ReportOutput> m_output;
    std::unique_ptr<TNahledDialog> m_nahled;
    std::unique_ptr<TPopiskyDialog> m_popisky;
    std::unique_ptr<TObrazekDialog> m_obrazek;
    std::unique_ptr<TPrevDialog> m_prev;
    std::unique_ptr<TAbecedaDialog> m_abeceda;
    std::unique_ptr<TInterpretDialog> m_interpret;
    ReportCopies* m_copies = nullptr;
};
