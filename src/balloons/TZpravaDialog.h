#pragma once

#include "Status.h"
#include "TBublinaOtazka.h"

// A warning of the database dialogs that something could not be done: a
// template is missing, a file cannot be deleted, a table does not open.
// Nothing has been changed when it comes up; "Ok" only closes it.
class TZpravaDialog final : public TBublinaOtazka
{
    Q_OBJECT

public:
    explicit TZpravaDialog(HlavniSluzby& sluzby, QWidget* parent = nullptr);

    void ukazat(const QString& message);
    void ukazat(const Status& status);
    QString message() const;

protected:
    void yes() override { hide(); }
};
