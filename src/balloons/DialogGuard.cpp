#include "DialogGuard.h"

#include "HlavniSluzby.h"

namespace {
const QString kReady = QStringLiteral("SBO10");
}

DialogGuard::DialogGuard(HlavniSluzby& sluzby, QString indicator)
    : m_sluzby(sluzby), m_indicator(std::move(indicator))
{
}

void DialogGuard::setBeneath(QWidget* dialog, const QString& indicator)
{
    m_beneath = dialog;
    m_beneathIndicator = indicator;
}

void DialogGuard::enter()
{
    if (m_up)
        return;
    m_up = true;
    if (m_beneath) {
        m_beneath->setEnabled(false);
        m_sluzby.setIndicator(m_beneathIndicator, false);
    }
    // Panel 2 has room for one picture; the ready sign waits until the dialog is gone.
    m_sluzby.setIndicator(kReady, false);
    m_sluzby.setIndicator(m_indicator, true);
    m_sluzby.setMainEnabled(false);
    if (m_disablesAssistant)
        m_sluzby.setAssistantEnabled(false);
}

void DialogGuard::leave()
{
    if (!m_up)
        return;
    m_up = false;
    m_sluzby.setIndicator(m_indicator, false);
    if (m_beneath) {
        // The dialog beneath is still up and keeps the main window disabled.
        m_beneath->setEnabled(true);
        m_beneath->activateWindow();
        m_sluzby.setIndicator(m_beneathIndicator, true);
        return;
    }
    m_sluzby.setIndicator(kReady, m_sluzby.activeDatabaseSlot() != 0);
    m_sluzby.setMainEnabled(true);
    if (m_disablesAssistant)
        m_sluzby.setAssistantEnabled(true);
}
