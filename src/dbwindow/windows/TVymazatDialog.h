#pragma once

#include "Status.h"
#include "TBublinaOtazka.h"

// The question whether to clear the standard database: its table is
// replaced by the empty template. Asked only while the standard database is
// not open.
class TVymazatDialog final : public TBublinaOtazka
{
    Q_OBJECT

public:
    explicit TVymazatDialog(HlavniSluzby& sluzby, QWidget* parent = nullptr);

    // Does nothing while the standard database is open.
    void ask();

signals:
    void cleared();
    void failed(const Status& status);

protected:
    void yes() override;

private:
    bool standardOpen() const;
};
