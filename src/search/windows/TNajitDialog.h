#pragma once

#include "DialogGuard.h"
#include "SearchCriteria.h"
#include "TBalloonDialog.h"

#include <QList>

class QLineEdit;
class TOfficeLabel;

// The search balloon above the assistant figure: the seven keys to search a
// database by, and "Storno". Choosing a key hands it on; Enter, Esc and
// "Storno" close the balloon without choosing. The database slot stays in its
// field Kontrola from one search to the next.
class TNajitDialog final : public TBalloonDialog
{
    Q_OBJECT

public:
    static constexpr QSize kSize{202, 311};
    static constexpr int kLabelTop = 38;
    static constexpr int kLabelSpacing = 33;

    explicit TNajitDialog(HlavniSluzby& sluzby);

    // The slot of the database to search, 0 before the first search.
    int slot() const;
    void setSlot(int slot);

    // Places the balloon beside the figure, moving the figure first when the
    // balloon would not fit, and shows it.
    void ask();

    // The line of a key, by the key's code.
    TOfficeLabel* criterionLabel(const QString& code) const;

signals:
    void criterionChosen(const search::Criterion& criterion);

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void reject() override { hide(); }

private:
    void createHeading();
    void createCriteria();
    void createStorno();

    DialogGuard m_guard;
    QLineEdit* m_slot = nullptr;
    QList<TOfficeLabel*> m_labels;
};
