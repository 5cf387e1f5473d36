#pragma once

#include "TPopiskyDialog.h"

#include <memory>

class ReportCopies;
class TTiskAbeceda1Dialog;
class TTiskAbecedaDialog;

// "Zkrácený seznam" or "Úplný seznam" of two reports, told apart by the
// heading the chooser gives: "Abecední seznam nosičů" prints the carriers of
// the database by title; "Vybraný nosič" copies the database, lets the user
// pick a title and prints the carriers with that title.
class TAbecedaDialog final : public TSestavyBublina
{
    Q_OBJECT

public:
    static const QString kList;     // "Abecední seznam nosičů"
    static const QString kSelected; // "Vybraný nosič"

    TAbecedaDialog(HlavniSluzby& sluzby, ReportOutput& output, QWidget* parent = nullptr);
    ~TAbecedaDialog() override;

    void open(const SestavaRequest& request, const QPoint& at);
    const SestavaRequest& request() const { return m_request; }
    QString heading() const;
    // The copy and the title picker of the selected carrier; may be null.
    void setReportCopies(ReportCopies* copies) { m_copies = copies; }

    TTiskAbecedaDialog& tiskAbeceda() const { return *m_list; }
    TTiskAbeceda1Dialog& tiskAbeceda1() const { return *m_selected; }

signals:
    // A variant was chosen: the chooser closes before the report runs.
    void reportStarted();

protected:
    void choose(const QString& item) override;

private:
    void runList(bool full);
    void pickTitle(bool full);
    void runSelected(const QString& title, bool full, QChar mode);
    void restoreTables(bool kindFilter);

    ReportOutput& m_output;
    ReportCopies* m_copies = nullptr;
    SestavaRequest m_request;
    std::unique_ptr<TTiskAbecedaDialog> m_list;
    std::unique_ptr<TTiskAbeceda1Dialog> m_selected;
};
