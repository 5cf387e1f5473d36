#pragma once

#include "TPopiskyDialog.h"

#include <memory>
#include <optional>

class ReportCopies;
class TTiskInterpretDialog;

// The performer list: "Všichni interpreti" copies the database and prints
// every carrier with a performer, grouped by performer; "Vybraný interpret"
// copies it and lets the user pick one performer first.
class TInterpretDialog final : public TSestavyBublina
{
    Q_OBJECT

public:
    TInterpretDialog(HlavniSluzby& sluzby, ReportOutput& output, QWidget* parent = nullptr);
    ~TInterpretDialog() override;

    void open(const SestavaRequest& request, const QPoint& at);
    const SestavaRequest& request() const { return m_request; }
    void setReportCopies(ReportCopies* copies) { m_copies = copies; }

    TTiskInterpretDialog& tiskInterpret() const { return *m_report; }

signals:
    void reportStarted();

protected:
    void choose(const QString& item) override;

private:
    void run(const std::optional<QString>& performer, QChar mode);

    ReportOutput& m_output;
    ReportCopies* m_copies = nullptr;
    SestavaRequest m_request;
    std::unique_ptr<TTiskInterpretDialog> m_report;
};
