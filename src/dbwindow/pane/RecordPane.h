#pragma once

#include <QPointer>
#include <QWidget>

// A loan card as the pane under it sees it. The card keeps its own controls
// (the panel `Panel10`, the undo button `TD5`, the surname editor `DBEdit2`);
// it answers for them here.
class LoanCardPane
{
public:
    virtual ~LoanCardPane() = default;

    virtual QWidget* cardWidget() = 0;
    virtual bool isCardShown() const = 0;
    // A borrower is being written: the card's undo is offered.
    virtual bool isCardEditing() const = 0;
    // The card works on the current record while its surname is edited, so
    // the record's table must stay open under it.
    virtual bool holdsRecord() const = 0;
};

// The content of a database window, as the window asks about it: whether a
// record is being edited or only browsed, what the loan card is doing, and the
// slot of the database the record belongs to. The window never looks for the
// pane's controls by name.
class RecordPane
{
public:
    enum class LoanCard
    {
        None,
        Shown,
        Editing
    };

    virtual ~RecordPane() = default;

    virtual QWidget* paneWidget() = 0;
    // A record is being edited or created.
    virtual bool isEditing() const = 0;
    // Every record editor; disabling also covers the total, which is never typed.
    virtual void setRecordEditorsEnabled(bool enabled) = 0;

    // 1-4 once a database window holds the pane, 0 before.
    int recordSlot() const { return m_slot; }
    void setRecordSlot(int slot) { m_slot = slot; }

    // The loan card lays itself over the pane and goes with it; plugging
    // another replaces the first, null unplugs.
    void plugLoanCard(LoanCardPane* card);
    LoanCardPane* loanCard() const;
    LoanCard loanCardState() const;
    bool loanCardHoldsRecord() const;

private:
    int m_slot = 0;
    LoanCardPane* m_card = nullptr;
    QPointer<QWidget> m_cardWidget;
};
