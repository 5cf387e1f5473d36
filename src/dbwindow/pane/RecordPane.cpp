#include "RecordPane.h"

void RecordPane::plugLoanCard(LoanCardPane* card)
{
    m_card = card;
    m_cardWidget = card ? card->cardWidget() : nullptr;
    if (m_cardWidget && m_cardWidget->parentWidget() != paneWidget())
        m_cardWidget->setParent(paneWidget());
}

// A card whose widget went is no longer plugged in.
LoanCardPane* RecordPane::loanCard() const
{
    return m_cardWidget ? m_card : nullptr;
}

RecordPane::LoanCard RecordPane::loanCardState() const
{
    const LoanCardPane* card = loanCard();
    if (!card || !card->isCardShown())
        return LoanCard::None;
    return card->isCardEditing() ? LoanCard::Editing : LoanCard::Shown;
}

bool RecordPane::loanCardHoldsRecord() const
{
    const LoanCardPane* card = loanCard();
    return card && card->holdsRecord();
}
