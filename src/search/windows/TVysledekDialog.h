#pragma once

#include "TVysledekOkno.h"

// The search result list: the values of the chosen key in the auxiliary
// table as an alphabetical tree, with the carriers that carry them.
// "Zobrazit" (also Enter and a double click while it is enabled) moves the
// database window to the chosen carrier and closes the list; "Konec" and Esc
// only close it. Closing resets its codes to "0".
//
// Fields: Kontrola the key's code, K1 the slot, K2 unused, Label1 the heading;
// the hidden DBEdit1 shows the title of the carrier the chosen entry leads to.
class TVysledekDialog final : public TVysledekOkno
{
    Q_OBJECT

public:
    explicit TVysledekDialog(HlavniSluzby& sluzby);

    void setRequest(const QString& code, int slot, const QString& heading);
    QString code() const;
    int slot() const;
    QString chosenTitle() const { return chosenText(); }

protected:
    Status fill(search::ResultTree& tree) override;
    QString textFor(int node, const search::ResultTree::Target& target) const override;
    void confirm() override;
    void resetCodes() override;

private:
    QLineEdit* m_code = nullptr;
    QLineEdit* m_slot = nullptr;
    QLineEdit* m_k2 = nullptr;
};
