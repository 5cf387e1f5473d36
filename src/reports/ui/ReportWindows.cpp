#include "ReportWindows.h"

#include "HlavniSluzby.h"
#include "KindChoice.h"
#include "TAbecedaDialog.h"
#include "TDatabazeDialog.h"
#include "TInterpretDialog.h"
#include "TNahledSestavy.h"
#include "TObrazekDialog.h"
#include "TPrevDialog.h"
#include "TZaznamEditor.h"

#include <QMdiSubWindow>
#include <QPointer>

namespace {
QString kindOf(TDatabazeDialog* window)
{
    auto* editor = window ? qobject_cast<TZaznamEditor*>(window->editor()) : nullptr;
    return editor ? editor->kindText() : QString();
}
} // namespace

ReportWindows::ReportWindows(HlavniSluzby& sluzby, QWidget* mainWindow, QObject* parent)
    : QObject(parent), m_sluzby(sluzby),
      m_output(std::make_unique<ReportOutput>(sluzby, mainWindow,
                                              [&sluzby] { return sluzby.printer(); })),
      m_nahled(std::make_unique<TNahledDialog>(sluzby)),
      m_popisky(std::make_unique<TPopiskyDialog>(sluzby, *m_output)),
      m_obrazek(std::make_unique<TObrazekDialog>(sluzby)),
      // A window of its own: as a child of the main window it would be disabled
      // with it, greyed and deaf to Esc and Enter.
      m_prev(std::make_unique<TPrevDialog>(sluzby)),
      m_abeceda(std::make_unique<TAbecedaDialog>(sluzby, *m_output)),
      m_interpret(std::make_unique<TInterpretDialog>(sluzby, *m_output))
{
    m_nahled->setKindChoice([&sluzby] { return sluzby.kindChoice().item(); });
    TPopiskyDialog* popisky = m_popisky.get();
    m_nahled->setSecondLevel(
        QStringLiteral("OfficeLabel3"),
        [popisky](const SestavaRequest& request, const QPoint& at) { popisky->open(request, at); },
        popisky);
    // Both dialogs are gone before the report runs.
    connect(popisky, &TPopiskyDialog::reportStarted, m_nahled.get(), &TNahledDialog::hide);
    TAbecedaDialog* abeceda = m_abeceda.get();
    m_nahled->setSecondLevel(
        QStringLiteral("OfficeLabel1"),
        [abeceda](const SestavaRequest& request, const QPoint& at) { abeceda->open(request, at); },
        abeceda);
    connect(abeceda, &TAbecedaDialog::reportStarted, m_nahled.get(), &TNahledDialog::hide);
    connect(m_interpret.get(), &TInterpretDialog::reportStarted, m_nahled.get(),
            &TNahledDialog::hide);
    m_interpret->guard().setBeneath(m_nahled.get(), QStringLiteral("SBO1"));
    connect(m_interpret.get(), &TSestavyBublina::closed, m_nahled.get(),
            [nahled = m_nahled.get()] { nahled->setEnabled(true); });
}

void ReportWindows::setReportCopies(ReportCopies* copies)
{
    m_copies = copies;
    m_abeceda->setReportCopies(copies);
    m_interpret->setReportCopies(copies);
    if (!copies) {
        m_nahled->removeSecondLevel(QStringLiteral("OfficeLabel4"));
        m_nahled->removeSecondLevel(QStringLiteral("OfficeLabel2"));
        return;
    }
    TAbecedaDialog* abeceda = m_abeceda.get();
    m_nahled->setSecondLevel(
        QStringLiteral("OfficeLabel4"),
        [abeceda](const SestavaRequest& request, const QPoint& at) { abeceda->open(request, at); });
    TInterpretDialog* interpret = m_interpret.get();
    m_nahled->setSecondLevel(QStringLiteral("OfficeLabel2"),
                             [interpret](const SestavaRequest& request, const QPoint& at) {
                                 interpret->open(request, at);
                             });
}

ReportWindows::~ReportWindows()
{
    m_interpret.reset();
    m_abeceda.reset();
    m_prev.reset();
    m_obrazek.reset();
    m_popisky.reset();
    m_nahled.reset();
}

void ReportWindows::openChooser(TNahledDialog::Mode mode)
{
    const int slot = m_sluzby.activeDatabaseSlot();
    auto* window = qobject_cast<TDatabazeDialog*>(m_sluzby.documentWindow(slot));
    if (!window)
        return;
    m_nahled->open(mode, slot, kindOf(window));
}

void ReportWindows::openChooserFor(TDatabazeDialog* window, TNahledDialog::Mode mode)
{
    if (window)
        m_nahled->open(mode, window->slot(), kindOf(window));
}

void ReportWindows::equip(TDatabazeDialog* window)
{
    auto* editor = qobject_cast<TZaznamEditor*>(window->editor());
    if (!editor)
        return;
    editor->setAnswered(TZaznamEditor::Request::Preview);
    editor->setAnswered(TZaznamEditor::Request::Print);
    QPointer<TDatabazeDialog> target(window);
    connect(editor, &TZaznamEditor::previewRequested, this,
            [this, target] { openChooserFor(target, TNahledDialog::Mode::Preview); });
    connect(editor, &TZaznamEditor::printRequested, this,
            [this, target] { openChooserFor(target, TNahledDialog::Mode::Print); });
}
