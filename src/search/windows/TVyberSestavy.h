#pragma once

#include "ReportCopies.h"
#include "TVysledekOkno.h"

// A picker of a printed list: the distinct performers or titles of the
// report's copy in the auxiliary table. Its confirm button, captioned
// "Náhled" or "Tisk" by the mode, closes it and runs the report for the
// entry under the cursor (K4). A double click does the same while the button
// is enabled; Enter does it in any case, with whatever K4 holds.
//
// Fields: K1, K2 and Kontrola (unused, "0" again on closing), K3 the mode,
// K4 the entry's performer or title.
class TVyberSestavy : public TVysledekOkno
{
    Q_OBJECT

public:
    ~TVyberSestavy() override;

    // Mode 'N' preview, 'T' print; `run` is called with K4 after closing.
    void setRequest(QChar mode, ReportCopies::Run run);
    QChar mode() const;
    QString key() const;
    QString confirmCaption() const;

protected:
    TVyberSestavy(HlavniSluzby& sluzby, const QString& name, const QString& heading, QString field);

    Status fill(search::ResultTree& tree) override;
    QString textFor(int node, const search::ResultTree::Target& target) const override;
    void confirm() override;
    void enterPressed() override;
    void chosenChanged(const QString& text) override;
    void resetCodes() override;

private:
    QString m_field;
    QLineEdit* m_k1 = nullptr;
    QLineEdit* m_k2 = nullptr;
    QLineEdit* m_kontrola = nullptr;
    QLineEdit* m_mode = nullptr;
    QLineEdit* m_key = nullptr;
    ReportCopies::Run m_run;
};

// The performer picker of the performer list. It reopens the auxiliary
// table's object with its filter off before it lists.
class TVysledek1Dialog final : public TVyberSestavy
{
    Q_OBJECT

public:
    explicit TVysledek1Dialog(HlavniSluzby& sluzby);

protected:
    Status fill(search::ResultTree& tree) override;
};

// The title picker of the selected-carrier report; K5 the variant, '1' short,
// '2' full.
class TVysledek2Dialog final : public TVyberSestavy
{
    Q_OBJECT

public:
    explicit TVysledek2Dialog(HlavniSluzby& sluzby);

    void setVariant(QChar variant);
    QChar variant() const;

private:
    QLineEdit* m_variant = nullptr;
};
