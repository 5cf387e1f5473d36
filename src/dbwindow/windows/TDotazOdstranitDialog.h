#pragma once

#include "TBublinaOtazka.h"

// The delete question: a balloon beside the assistant figure asking whether
// the current record of a database is to be deleted for good. "Ano" or Enter
// confirms, "Ne" or Esc leaves the record alone. The slot it asks for is kept
// in Kontrola ("1" ... "4").
class TDotazOdstranitDialog final : public TBublinaOtazka
{
    Q_OBJECT

public:
    explicit TDotazOdstranitDialog(HlavniSluzby& sluzby, QWidget* parent = nullptr);

    const QString& kontrola() const { return m_kontrola; }
    void setKontrola(const QString& slot) { m_kontrola = slot; }

    // Sets Kontrola to the slot and shows the question by the side-balloon rule.
    void ask(int slot);

signals:
    // "Ano": the database window of `slot` deletes its current record.
    void deleteConfirmed(int slot);

protected:
    void yes() override;

private:
    QString m_kontrola;
};
