#include "HelpWindows.h"

#include "ElectronicManual.h"
#include "HlavniSluzby.h"
#include "StartupPresentation.h"
#include "TDataModule1.h"
#include "TNapovedaDialog.h"
#include "TTipyDialog.h"
#include "TUvitaniDialog.h"
#include "TipStepper.h"

namespace {
constexpr int kTipsTable = 6;
}

HelpWindows::HelpWindows(HlavniSluzby& sluzby, QObject* parent)
    : QObject(parent), m_sluzby(sluzby),
      m_stepper(new TipStepper(
          sluzby.dataModule() ? sluzby.dataModule()->table(kTipsTable) : nullptr, this)),
      m_napoveda(std::make_unique<TNapovedaDialog>(sluzby)),
      m_uvitani(std::make_unique<TUvitaniDialog>(sluzby)),
      m_tipy(std::make_unique<TTipyDialog>(sluzby, *m_stepper))
{
    connect(m_tipy.get(), &TTipyDialog::welcomeRequested, m_uvitani.get(),
            &TUvitaniDialog::showAtStart);
    connect(m_uvitani.get(), &TUvitaniDialog::helpListRequested, m_napoveda.get(),
            &TNapovedaDialog::showList);
}

HelpWindows::~HelpWindows() = default;

void HelpWindows::presentAtStart()
{
    m_stepper->open();
    const StartupPresentation::Steps steps = StartupPresentation(m_sluzby.programFolder()).start();
    if (steps.tips)
        m_tipy->show();
    if (steps.welcome)
        m_uvitani->showAtStart();
    if (steps.assistant)
        m_sluzby.showAssistant();
}

void HelpWindows::showTips()
{
    m_tipy->show();
    m_tipy->raise();
}

void HelpWindows::showHelp()
{
    m_napoveda->showForCurrentOperation();
}

void HelpWindows::showWelcomeFromFigure()
{
    m_uvitani->showFromFigure();
}

bool HelpWindows::startManual()
{
    return ElectronicManual(m_sluzby.programFolder()).start();
}

bool HelpWindows::isManualInstalled() const
{
    return ElectronicManual(m_sluzby.programFolder()).isInstalled();
}
