#include "ReportWindows.h"

#include "HlavniSluzby.h"
#include "KindChoice.h"
#include "TDatabazeDialog.h"
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
      m_prev(std::make_unique<TPrevDialog>(sluzby, mainWindow))
{
    m_nahled->setKindChoice([&sluzby] { return sluzby.kindChoice().item(); });
    TPopiskyDialog* popisky = m_popisky.get();
    m_nahled->setSecondLevel(
        QStringLiteral("OfficeLabel3"),
        [popisky](const SestavaRequest& request, const QPoint& at) { popisky->open(request, at); },
        popisky);
    // Both dialogs are gone before the report runs.
    connect(popisky, &TPopiskyDialog::reportStarted, m_nahled.get(), &TNahledDialog::hide);
}

ReportWindows::~ReportWindows()
{
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
