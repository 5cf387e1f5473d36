#pragma once

#include "DialogGuard.h"
#include "TBalloonDialog.h"

class QLineEdit;
class QPushButton;
class TOfficeButton;

// The choice of the front-label picture: a file chosen with the file dialog
// is written to the program settings by "Ok" or Enter; "Zpět" and Esc leave
// the previous choice in force.
class TObrazekDialog final : public TBalloonDialog
{
    Q_OBJECT

public:
    explicit TObrazekDialog(HlavniSluzby& sluzby, QWidget* parent = nullptr);

    // Opens the dialog above the assistant figure.
    void ask();
    // "Vybrat obrázek": after a cancel the name shown stays as it was.
    void choosePicture();

    QString path() const;

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void reject() override { hide(); }

private:
    void createTexts();
    void createButtons();
    void confirm();

    DialogGuard m_guard;
    QLineEdit* m_edit = nullptr;
    QPushButton* m_choose = nullptr;
    TOfficeButton* m_ok = nullptr;
};
