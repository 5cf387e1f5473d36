#pragma once

#include "TVyberDialog.h"

// The optional-database dialog: the three optional databases by their names,
// an open one struck through. Picking one leads to the action balloon.
class TNovyDialog final : public TVyberDialog
{
    Q_OBJECT

public:
    explicit TNovyDialog(HlavniSluzby& sluzby, QWidget* parent = nullptr);

    // "Volitelná databáze...".
    void ask() { TVyberDialog::ask(); }

signals:
    // Optional database 1-3 was picked; the dialog stays up beneath what follows.
    void picked(int optional);

protected:
    void fillEntries() override;
    void choose(int entry) override { emit picked(entry); }
};
