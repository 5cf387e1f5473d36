#pragma once

#include "TSestavyBublina.h"

#include <memory>

class ReportOutput;
class TTiskCD1Dialog;
class TTiskCD2Dialog;
class TTiskMCDialog;

// What the report chooser hands to the dialog of a report family.
struct SestavaRequest
{
    QString slot; // "1"-"4"
    QString kind; // the carrier kind of the current record
    QChar mode;   // 'N' preview, 'T' print
    QString heading;
};

// The labels of the current carrier: "Přední popiska" (the cassette card or
// the CD booklet, by kind) and "Zadní popiska" (the CD tray inlay; struck for
// a cassette, which has only its card).
class TPopiskyDialog final : public TSestavyBublina
{
    Q_OBJECT

public:
    TPopiskyDialog(HlavniSluzby& sluzby, ReportOutput& output, QWidget* parent = nullptr);
    ~TPopiskyDialog() override;

    void open(const SestavaRequest& request, const QPoint& at);
    const SestavaRequest& request() const { return m_request; }

    TTiskMCDialog& tiskMC() const { return *m_mc; }
    TTiskCD1Dialog& tiskCD1() const { return *m_cd1; }
    TTiskCD2Dialog& tiskCD2() const { return *m_cd2; }

signals:
    // A label was chosen: the chooser closes before the report runs.
    void reportStarted();

protected:
    void choose(const QString& item) override;

private:
    ReportOutput& m_output;
    SestavaRequest m_request;
    std::unique_ptr<TTiskMCDialog> m_mc;
    std::unique_ptr<TTiskCD1Dialog> m_cd1;
    std::unique_ptr<TTiskCD2Dialog> m_cd2;
};
