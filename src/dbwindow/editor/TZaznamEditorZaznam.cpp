// The record session of the editor: moving through the table, creating,
// editing, saving, undoing and deleting the record, its total, its loan mark
// and the tracks read from a disc.
#include "TZaznamEditor.h"

#include "CarrierKind.h"
#include "CarrierTotal.h"
#include "EvidenceNumber.h"
#include "RecordCommandRules.h"
#include "TStopyPage.h"
#include "TTable.h"

#include <QComboBox>
#include <QLineEdit>
#include <QLocale>
#include <QTabWidget>

namespace {

const QString kLent = QStringLiteral("Půjčeno");

Status notOpen()
{
    return Status::error(QStringLiteral("Databáze není otevřena."));
}

Status stillEditing()
{
    return Status::error(
        QStringLiteral("Záznam se právě upravuje. Nejprve ho uložte nebo vraťte změny."));
}

} // namespace

Status TZaznamEditor::move(Status (TTable::*step)())
{
    TTable* t = table();
    if (!t || !t->isActive())
        return notOpen();
    if (isEditing())
        return stillEditing();
    return (t->*step)();
}

Status TZaznamEditor::first()
{
    return move(&TTable::first);
}

Status TZaznamEditor::prior()
{
    return move(&TTable::prior);
}

Status TZaznamEditor::next()
{
    return move(&TTable::next);
}

Status TZaznamEditor::last()
{
    return move(&TTable::last);
}

Status TZaznamEditor::newRecord()
{
    TTable* t = table();
    if (!t || !t->isActive())
        return notOpen();
    if (isEditing())
        return stillEditing();
    if (Status s = t->insert(); !s)
        return s;
    enterEditing();
    return Status::ok();
}

Status TZaznamEditor::editRecord()
{
    TTable* t = table();
    if (!t || !t->isActive())
        return notOpen();
    if (isEditing())
        return Status::ok();
    if (Status s = t->edit(); !s)
        return s;
    enterEditing();
    return Status::ok();
}

Status TZaznamEditor::saveRecord()
{
    TTable* t = table();
    if (!t || !t->isEditing() || !isEditing())
        return Status::error(QStringLiteral("Záznam není otevřen pro úpravy."));
    if (Status s = computeTotal(); !s)
        return s;
    if (const FieldBinding::Failure failure = m_binding.storeAll(*t); !failure.status) {
        focusEditor(failure.editor);
        return failure.status;
    }
    if (Status s = evidencenumber::checkUnique(*t); !s) {
        focusEditor(m_number);
        return s;
    }
    if (Status s = recordrules::stampToday(*t); !s)
        return s;
    setEditorsEnabled(false);
    if (Status s = t->post(); !s) {
        // Refused by the table: the user gets the editors back to correct or undo.
        setEditorsEnabled(true);
        applyRules();
        focusEditor(m_number);
        return s;
    }
    leaveEditing();
    updateMenu();
    emit stateChanged();
    return Status::ok();
}

// The total goes into S1 and is stored with the other editors.
Status TZaznamEditor::computeTotal()
{
    QStringList values;
    for (int n = 1; n <= TStopyPage::kTracks; ++n)
        values.append(m_tracks->valueEditor(n)->text());
    const CarrierTotal::Result result = CarrierTotal::compute(kindText(), values, QLocale());
    if (result.status) {
        m_total->setText(result.text);
        return Status::ok();
    }
    for (int n = 1; n <= TStopyPage::kTracks; ++n) {
        const CarrierTotal::Result one = CarrierTotal::compute(
            carrierkind::text(CarrierKind::DataCd), {values.at(n - 1)}, QLocale());
        if (!one.status) {
            focusEditor(m_tracks->valueEditor(n));
            return Status::error(QStringLiteral("Stopa %1: %2").arg(n).arg(one.status.message()),
                                 one.status.detail());
        }
    }
    return result.status;
}

Status TZaznamEditor::undoRecord()
{
    TTable* t = table();
    if (!isEditing() && !(t && t->isEditing()))
        return Status::ok();
    setEditorsEnabled(false);
    if (t)
        t->cancel();
    leaveEditing();
    loadRecord();
    updateMenu();
    emit stateChanged();
    return Status::ok();
}

Status TZaznamEditor::deleteRecord()
{
    TTable* t = table();
    if (!t || !t->isActive())
        return notOpen();
    if (isEditing())
        return stillEditing();
    return t->deleteRecord();
}

QString TZaznamEditor::evidenceNumber() const
{
    return m_number->text().trimmed();
}

QRect TZaznamEditor::loanCardArea() const
{
    const int top = m_number->geometry().bottom() + 4;
    return QRect(0, top, width(), height() - top);
}

bool TZaznamEditor::isLent() const
{
    const TTable* t = table();
    return t && t->fieldText(QStringLiteral("PUJCENO")).trimmed() == kLent;
}

Status TZaznamEditor::storeLoanMark(bool lent)
{
    TTable* t = table();
    if (!t || !t->isActive())
        return notOpen();
    const QString mark = lent ? kLent : QString();
    if (!isEditing() || !t->isEditing()) {
        if (Status s = t->edit(); !s)
            return s;
        Status s = t->setFieldText(QStringLiteral("PUJCENO"), mark);
        if (s)
            s = t->post();
        if (!s)
            t->cancel();
        return s;
    }
    if (Status s = computeTotal(); !s)
        return s;
    if (const FieldBinding::Failure failure = m_binding.storeAll(*t); !failure.status) {
        focusEditor(failure.editor);
        return failure.status;
    }
    if (Status s = t->setFieldText(QStringLiteral("PUJCENO"), mark); !s)
        return s;
    // Posting leaves the table browsing for a moment; the editors stay as typed.
    m_keepEditing = true;
    Status s = t->post();
    if (s)
        s = t->edit();
    m_keepEditing = false;
    if (!t->isEditing()) {
        leaveEditing();
        loadRecord();
    }
    refreshDisplays();
    updateMenu();
    emit stateChanged();
    return s;
}

void TZaznamEditor::setEditorsEnabled(bool enabled)
{
    for (QWidget* editor : std::as_const(m_recordEditors))
        editor->setEnabled(enabled);
    m_total->setEnabled(false);
}

void TZaznamEditor::enterEditing()
{
    setEditorsEnabled(true);
    applyRules();
    m_number->setFocus();
    updateMenu();
    emit stateChanged();
}

void TZaznamEditor::leaveEditing()
{
    setEditorsEnabled(false);
    setClipboardEnabled(false);
    emit clipboardTargetChanged(false);
}

TrackFill::Record TZaznamEditor::trackTexts() const
{
    TrackFill::Record texts{kindText(), m_title->text(), m_performer->text(), {}, {}};
    for (int n = 1; n <= TStopyPage::kTracks; ++n) {
        texts.titles.append(m_tracks->titleEditor(n)->text());
        texts.values.append(m_tracks->valueEditor(n)->text());
    }
    return texts;
}

Status TZaznamEditor::fillTracks(const TrackFill::Record& texts)
{
    if (!isEditing() || !table() || !table()->isEditing())
        return Status::error(QStringLiteral("Záznam není otevřen pro úpravy."));
    // An editor shortens a text as it shortens a typed one.
    const auto put = [this](QWidget* editor, const QString& text) {
        FieldBinding::setText(editor, text);
        typed(*m_binding.linkOf(editor));
    };
    put(m_kind, texts.kind);
    put(m_title, texts.title);
    put(m_performer, texts.performer);
    for (int n = 1; n <= TStopyPage::kTracks; ++n) {
        put(m_tracks->titleEditor(n), texts.titles.value(n - 1));
        put(m_tracks->valueEditor(n), texts.values.value(n - 1));
    }
    Status total = computeTotal();
    typed(*m_binding.linkOf(m_total));
    applyRules();
    return total;
}
