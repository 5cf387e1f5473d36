#include "HelpWindows.h"

#include "ElectronicManual.h"
#include "HlavniSluzby.h"
#include "StartupPresentation.h"
#include "Status.h"
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
          sluzby.dataModule() ? sluzby.dataModule()->table(kTipsTable) : nullptr, this))
{
}

void HelpWindows::createUvitani()
{
    m_uvitani = std::make_unique<TUvitaniDialog>(m_sluzby);
}

void HelpWindows::createNapoveda()
{
    m_napoveda = std::make_unique<TNapovedaDialog>(m_sluzby);
    connect(m_uvitani.get(), &TUvitaniDialog::helpListRequested, m_napoveda.get(),
            &TNapovedaDialog::showList);
}

void HelpWindows::createTipy()
{
    m_tipy = std::make_unique<TTipyDialog>(m_sluzby, *m_stepper);
    connect(m_tipy.get(), &TTipyDialog::welcomeRequested, m_uvitani.get(),
            &TUvitaniDialog::showAtStart);
}

void HelpWindows::createAll()
{
    createUvitani();
    createNapoveda();
    createTipy();
}

HelpWindows::~HelpWindows() = default;

void HelpWindows::presentAtStart()
{
    m_stepper->open();
    Status written;
    const StartupPresentation::Steps steps =
        StartupPresentation(m_sluzby.programFolder()).start(&written);
    if (!written)
        m_sluzby.reportError(written);
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
