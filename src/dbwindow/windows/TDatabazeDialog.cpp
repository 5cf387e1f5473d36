#include "TDatabazeDialog.h"

#include "RecordCommandRules.h"

#include "DialogLook.h"
#include "FieldCodec.h"
#include "HlavniSluzby.h"
#include "ProgramFolder.h"
#include "ProgramSettings.h"
#include "TDataModule1.h"
#include "TDatabaze1Dialog.h"
#include "TDatabaze2Dialog.h"
#include "TDatabaze3Dialog.h"
#include "TDatabaze4Dialog.h"
#include "TDotazKonecDialog.h"
#include "TTable.h"
#include "TZaznamPrehled.h"

#include <QAction>
#include <QCloseEvent>
#include <QDate>
#include <QMdiArea>
#include <QMenu>
#include <QPainter>
#include <QShowEvent>
#include <QVBoxLayout>

#include <array>

namespace {

const std::array<TDatabazeDialog::Hodnoty, 4> kHodnoty{{
    {1, "Databaze1Dialog", "Standardní databáze", "o11", "SBD1", "AS", "A1"},
    {2, "Databaze2Dialog", "", "o21", "SBD2", "A1", "A2"},
    {3, "Databaze3Dialog", "", "o31", "SBD3", "A2", "A3"},
    {4, "Databaze4Dialog", "", "o41", "SBD4", "A3", "A4"},
}};

// What needs a record in front of it: preview and print, the edit menu and
// the record buttons of the toolbar and the side bar.
QStringList recordCommands()
{
    QStringList names{"MS4", "MS5", "TS3", "TS5", "OS3", "OS4"};
    for (int i = 1; i <= 9; ++i)
        names << QStringLiteral("MU%1").arg(i);
    for (int i = 1; i <= 10; ++i)
        names << QStringLiteral("TD%1").arg(i) << QStringLiteral("UD%1").arg(i);
    return names;
}

// The parts of the main window that act on records; the loan card stands in
// their way while it is shown.
const QStringList kRecordParts{"DatabazeL",    "StandardniL", "LookOutPage1",
                               "LookOutPage2", "MenuSoubor",  "MenuUpravy"};

// A small database drum with the slot's number, in place of the toolkit's logo.
QIcon slotIcon(int slot)
{
    QPixmap picture(16, 16);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QColor(0x20, 0x40, 0x80));
    painter.setBrush(QColor(0x50, 0x90, 0xd8));
    painter.drawRoundedRect(QRectF(1.5, 2.5, 13, 12), 3, 3);
    painter.setBrush(QColor(0xa0, 0xc8, 0xf0));
    painter.drawEllipse(QRectF(1.5, 1.5, 13, 4));
    QFont digit = painter.font();
    digit.setPixelSize(9);
    digit.setBold(true);
    painter.setFont(digit);
    painter.setPen(Qt::white);
    painter.drawText(QRect(0, 5, 16, 10), Qt::AlignCenter, QString::number(slot));
    return QIcon(picture);
}

} // namespace

const TDatabazeDialog::Hodnoty& TDatabazeDialog::hodnoty(int slot)
{
    return kHodnoty.at(std::clamp(slot, 1, 4) - 1);
}

TDatabazeDialog* TDatabazeDialog::create(int slot, HlavniSluzby& sluzby, TDotazKonecDialog* dotaz)
{
    switch (slot) {
    case 1:
        return new TDatabaze1Dialog(sluzby, dotaz);
    case 2:
        return new TDatabaze2Dialog(sluzby, dotaz);
    case 3:
        return new TDatabaze3Dialog(sluzby, dotaz);
    case 4:
        return new TDatabaze4Dialog(sluzby, dotaz);
    default:
        return nullptr;
    }
}

TDatabazeDialog::TDatabazeDialog(int slot, HlavniSluzby& sluzby, TDotazKonecDialog* dotaz,
                                 QWidget* parent)
    : QMdiSubWindow(parent), m_hodnoty(hodnoty(slot)), m_sluzby(sluzby), m_dotaz(dotaz)
{
    setObjectName(QString::fromLatin1(m_hodnoty.name));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QString::fromUtf8(m_hodnoty.caption));
    setWindowIcon(slotIcon(slot));
    m_databaseName =
        slot == 1 ? QStringLiteral("Standardní databáze programu Fonarium") : QString();
    setStatusTip(QStringLiteral("Stiskněte klávesu F1 pro nápovědu"));
    createContents();
    createPopupMenus();
    connect(this, &QMdiSubWindow::aboutToActivate, this, &TDatabazeDialog::activated);
}

void TDatabazeDialog::createContents()
{
    m_plocha = new QWidget(this);
    m_plocha->setObjectName(QStringLiteral("Plocha"));
    m_plocha->setStatusTip(statusTip());
    m_plocha->setContextMenuPolicy(Qt::CustomContextMenu);
    m_layout = new QVBoxLayout(m_plocha);
    m_layout->setContentsMargins(0, 0, 0, 0);
    setWidget(m_plocha);
    connect(m_plocha, &QWidget::customContextMenuRequested, this, [this](const QPoint& at) {
        if (QMenu* menu = currentPopupMenu(); !menu->isEmpty())
            menu->popup(m_plocha->mapToGlobal(at));
    });
}

void TDatabazeDialog::createPopupMenus()
{
    m_popup1 = new QMenu(this);
    m_popup1->setObjectName(QStringLiteral("PopupMenu1"));
    m_popup2 = new QMenu(this);
    m_popup2->setObjectName(QStringLiteral("PopupMenu2"));
}

TTable* TDatabazeDialog::table() const
{
    return m_sluzby.dataModule() ? m_sluzby.dataModule()->slotTable(slot()) : nullptr;
}

void TDatabazeDialog::setDatabaseName(const QString& name)
{
    m_databaseName = name;
    if (*m_hodnoty.caption == '\0')
        setWindowTitle(name);
}

void TDatabazeDialog::setEditor(RecordPane* pane)
{
    QWidget* editor = pane ? pane->paneWidget() : nullptr;
    if (!editor || editor == m_editor)
        return;
    // What the old editor left with the window went with it.
    delete m_editor;
    m_saver = {};
    m_editor = editor;
    m_pane = pane;
    pane->setRecordSlot(slot());
    m_layout->addWidget(editor);
    editor->show();
}

// The empty menu of the window's own steps aside while the editor's menu
// lives, and comes back when that goes with its editor.
void TDatabazeDialog::setRecordMenu(QMenu* menu)
{
    if (!menu || menu == m_recordMenu)
        return;
    m_recordMenu = menu;
    *m_recordMenuObject = menu;
    m_popup1->setObjectName(QString());
    // The menu may go while the window itself is being destroyed, so the
    // handler touches only the window's own menu and a shared note of which
    // menu is the current one, compared as a plain object.
    connect(menu, &QObject::destroyed, m_popup1,
            [current = m_recordMenuObject, popup = m_popup1](QObject* gone) {
                if (gone != *current)
                    return;
                *current = nullptr;
                popup->setObjectName(QStringLiteral("PopupMenu1"));
            });
}

QMenu* TDatabazeDialog::popupMenu1() const
{
    return m_recordMenu ? m_recordMenu.data() : m_popup1;
}

bool TDatabazeDialog::isRecordEditing() const
{
    const RecordPane* pane = recordPane();
    return pane && pane->isEditing();
}

RecordPane::LoanCard TDatabazeDialog::loanCardState() const
{
    const RecordPane* pane = recordPane();
    return pane ? pane->loanCardState() : RecordPane::LoanCard::None;
}

void TDatabazeDialog::setRecordEditorsEnabled(bool enabled)
{
    if (RecordPane* pane = recordPane())
        pane->setRecordEditorsEnabled(enabled);
}

void TDatabazeDialog::setClientSize(const QSize& size)
{
    const QMargins frame = contentsMargins();
    resize(size.width() + frame.left() + frame.right(),
           size.height() + frame.top() + frame.bottom());
    if (widget() && widget()->size() != size && widget()->isVisible())
        resize(this->size() - widget()->size() + size);
}

void TDatabazeDialog::ukazat()
{
    show();
    setClientSize(kClientSize);
    if (QMdiArea* area = mdiArea())
        area->setActiveSubWindow(this);
}

void TDatabazeDialog::activated()
{
    setLoanCardShown(isLoanCardShown());
    m_sluzby.setIndicator(QStringLiteral("SBO10"), true);
}

void TDatabazeDialog::setLoanCardShown(bool shown)
{
    m_loanCardMenu = shown;
    for (const QString& part : kRecordParts)
        m_sluzby.setPartEnabled(part, !shown);
}

void TDatabazeDialog::showEvent(QShowEvent* event)
{
    // A window that nobody gave a record editor shows its record read-only.
    if (!m_editor)
        setEditor(new TZaznamPrehled(table(), m_plocha));
    QMdiSubWindow::showEvent(event);
    if (!event->spontaneous())
        m_sluzby.setIndicator(QStringLiteral("SBO10"), true);
}

void TDatabazeDialog::closeForExit()
{
    if (isRecordEditing() && m_dotaz)
        m_dotaz->setExitMark(slot());
    close();
}

void TDatabazeDialog::closeEvent(QCloseEvent* event)
{
    m_sluzby.setIndicator(QStringLiteral("SBO10"), false);
    if (isRecordEditing()) {
        // The record waits for the answer; without the question nothing may be lost.
        if (m_dotaz)
            m_dotaz->ask(slot(), m_databaseName);
        event->ignore();
        return;
    }
    if (isLoanCardEditing()) {
        emit loanCardWarningNeeded(slot());
        event->ignore();
        return;
    }
    closeForGood();
    QMdiSubWindow::closeEvent(event);
}

void TDatabazeDialog::closeForGood()
{
    if (Status s = ProgramSettings(m_sluzby.programFolder().programIniPath())
                       .setDatabaseOpen(slot(), false);
        !s)
        m_sluzby.reportError(s);
    if (TTable* own = table())
        own->close();
    for (const QString& name : recordCommands())
        m_sluzby.setCommandAvailable(name, false);
    // A loan card shown to the end must not leave the bars disabled.
    for (const QString& part : kRecordParts)
        m_sluzby.setPartEnabled(part, true);
    if (slot() != 1 && m_dotaz)
        m_dotaz->resetMarks();
}

void TDatabazeDialog::closeTableUnlessLoanCardEdited()
{
    // The loan card keeps working on the record while its surname is being edited.
    if (const RecordPane* pane = recordPane(); !pane || !pane->loanCardHoldsRecord()) {
        if (TTable* own = table())
            own->close();
    }
}

Status TDatabazeDialog::stampAndPost()
{
    TTable* own = table();
    if (!own || !own->isEditing())
        return Status::ok();
    Status s = recordrules::stampToday(*own);
    return s ? own->post() : s;
}

Status TDatabazeDialog::saveAndClose()
{
    // A refused record stays in editing with its editors, for the user to
    // correct or to drop.
    if (Status s = m_saver ? m_saver() : stampAndPost(); !s)
        return s;
    setRecordEditorsEnabled(false);
    closeTableUnlessLoanCardEdited();
    close();
    return Status::ok();
}

void TDatabazeDialog::discardAndClose()
{
    setRecordEditorsEnabled(false);
    if (TTable* own = table())
        own->cancel();
    closeTableUnlessLoanCardEdited();
    close();
}
