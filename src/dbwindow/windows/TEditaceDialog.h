#pragma once

#include "DialogGuard.h"
#include "TBocniBublina.h"

class QLabel;
class QLineEdit;
class TVolba;

// What to do with the optional database picked in the optional-database
// dialog: create it or give it a new name, or delete it. The balloon stands
// left of that dialog and points at the picked entry; the dialog waits
// beneath it, disabled. The picked number lies in the hidden field `Kontrola`.
class TEditaceDialog final : public TBocniBublina
{
    Q_OBJECT

public:
    explicit TEditaceDialog(HlavniSluzby& sluzby, QWidget* parent = nullptr);

    // Shows the actions for optional database 1-3 of `novy`.
    void showFor(int optional, QWidget* novy);
    int optional() const;
    // Where the balloon stands for entry `optional` of a dialog at `novy`.
    static QPoint placeBeside(const QPoint& novy, int optional);
    // Wide enough for each action to stay on one line.
    static QSize fittingSize();

    TVolba* createEntry() const { return m_create; }
    TVolba* deleteEntry() const { return m_delete; }

signals:
    void createRequested(int optional);
    void deleteRequested(int optional);

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void reject() override { hide(); }

private:
    void createContents();
    void createRequestedHere();
    void deleteRequestedHere();

    DialogGuard m_guard;
    QLabel* m_heading = nullptr;
    QLineEdit* m_kontrola = nullptr;
    TVolba* m_create = nullptr;
    TVolba* m_delete = nullptr;
};
