#include "TVypujcniKarta.h"

#include "DialogLook.h"
#include "FieldCodec.h"
#include "HlavniSluzby.h"
#include "LoanCheck.h"
#include "LoanRegister.h"
#include "ProgramFolder.h"
#include "TDataModule1.h"
#include "TDatabazeDialog.h"
#include "TDotazVypujckaDialog.h"
#include "TInfoPropojitDialog.h"
#include "TTable.h"
#include "TZaznamEditor.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPainter>
#include <QStyle>
#include <QToolBar>
#include <QToolButton>

namespace {

struct Row
{
    const char* editor;
    const char* label;
    int maxLength;
    QString TVypujcka::*value;
};

// In the order the card shows them, surname first.
const Row kRows[] = {
    {"DBEdit2", "Příjmení :", 50, &TVypujcka::prijmeni},
    {"DBEdit1", "Jméno :", 50, &TVypujcka::jmeno},
    {"DBEdit3", "Ulice :", 50, &TVypujcka::ulice},
    {"DBEdit4", "Blok/Číslo :", 20, &TVypujcka::cislo},
    {"DBEdit5", "Telefon :", 20, &TVypujcka::telefon},
    {"DBEdit6", "Město (Obec) :", 50, &TVypujcka::obec},
    {"DBEdit7", "PSČ :", 10, &TVypujcka::psc},
};
constexpr int kSurname = 0;
constexpr int kFirstName = 1;

constexpr int kTitleTop = 10;
constexpr int kRowsTop = 44;
constexpr int kRowStep = 28;
constexpr int kLabelX = 70;
constexpr int kEditorX = 190;
constexpr int kEditorWidth = 260;
constexpr int kRowHeight = 20;

const QString kLinking = QStringLiteral("Propojuji data s ostatními moduly");
const QString kUnlinking = QStringLiteral("Odstraňuji propojení dat s ostatními moduly");

Status noNumber()
{
    return Status::error(QStringLiteral("Výpůjční kartu lze otevřít až u nosiče, který má "
                                        "evidenční číslo. Vyplňte ho a záznam uložte."));
}

} // namespace

TVypujcniKarta::TVypujcniKarta(TDatabazeDialog* window, TZaznamEditor* editor, HlavniSluzby& sluzby)
    : QWidget(editor), m_window(window), m_editor(editor), m_sluzby(sluzby)
{
    setObjectName(QStringLiteral("Panel10"));
    setAutoFillBackground(true);
    setGeometry(editor->loanCardArea());
    createForm();
    createCover();
    createToolBar();
    setStav(Stav::Skryta);
    hide();
    connect(editor, &TZaznamEditor::loanMarkClicked, this, [this] { run(&TVypujcniKarta::open); });
    connect(editor, &TZaznamEditor::stateChanged, this, &TVypujcniKarta::carrierChanged);
}

TVypujcniKarta* TVypujcniKarta::equip(TDatabazeDialog* window, HlavniSluzby& sluzby,
                                      TDotazVypujckaDialog* warning)
{
    auto* editor = qobject_cast<TZaznamEditor*>(window->editor());
    if (!editor)
        return nullptr;
    auto* card = new TVypujcniKarta(window, editor, sluzby);
    editor->plugLoanCard(card);
    if (warning) {
        connect(window, &TDatabazeDialog::loanCardWarningNeeded, warning,
                [warning, window](int slot) { warning->warn(slot, window->databaseName()); });
    }
    return card;
}

// ------------------------------------------------------------------ layout

QWidget* TVypujcniKarta::createRows(QWidget* parent, QList<QLineEdit*>* editors, QLabel** date)
{
    auto* rows = new QWidget(parent);
    rows->setGeometry(0, kRowsTop, width(), kRowStep * 8);
    int y = 0;
    for (const Row& row : kRows) {
        auto* label = new QLabel(QString::fromUtf8(row.label), rows);
        label->setGeometry(kLabelX, y, kEditorX - kLabelX - 6, kRowHeight);
        label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        auto* edit = new QLineEdit(rows);
        edit->setMaxLength(row.maxLength);
        edit->setGeometry(kEditorX, y, row.maxLength > 20 ? kEditorWidth : kEditorWidth / 2,
                          kRowHeight);
        edit->setEnabled(false);
        editors->append(edit);
        y += kRowStep;
    }
    auto* label = new QLabel(QStringLiteral("Datum zapůjčení :"), rows);
    label->setGeometry(kLabelX - 40, y, kEditorX - kLabelX + 34, kRowHeight);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    if (date) {
        *date = new QLabel(rows);
        (*date)->setObjectName(QStringLiteral("DBText2"));
        (*date)->setGeometry(kEditorX, y, kEditorWidth, kRowHeight);
        QFont bold = (*date)->font();
        bold.setBold(true);
        (*date)->setFont(bold);
        QPalette red = (*date)->palette();
        red.setColor(QPalette::WindowText, QColor(255, 0, 0));
        (*date)->setPalette(red);
    }
    return rows;
}

void TVypujcniKarta::createForm()
{
    m_form = createRows(this, &m_editors, &m_datum);
    for (int i = 0; i < m_editors.size(); ++i)
        m_editors[i]->setObjectName(QString::fromLatin1(kRows[i].editor));
}

// The same rows, empty and inert, for a carrier that has no loan.
void TVypujcniKarta::createCover()
{
    QList<QLineEdit*> blanks;
    m_kryti = createRows(this, &blanks, nullptr);
    m_kryti->setObjectName(QStringLiteral("Kryti"));
    m_kryti->setAutoFillBackground(true);
}

void TVypujcniKarta::createToolBar()
{
    auto* bar = new QToolBar(QStringLiteral("Databáze"), this);
    bar->setObjectName(QStringLiteral("KartaL"));
    bar->setMovable(false);
    bar->setGeometry(8, height() - 40, width() - 16, 32);
    QMenu* menu = m_window->popupMenu2();
    const auto add = [&](const char* button, const char* item, const QString& caption,
                         const QString& hint, QStyle::StandardPixmap icon,
                         Status (TVypujcniKarta::*command)()) {
        auto* action = menu->addAction(caption);
        action->setObjectName(QString::fromLatin1(item));
        action->setStatusTip(caption);
        connect(action, &QAction::triggered, this, [this, command] { run(command); });
        auto* tool = new QToolButton(bar);
        tool->setObjectName(QString::fromLatin1(button));
        tool->setIcon(style()->standardIcon(icon));
        tool->setAutoRaise(true);
        setHint(tool, hint);
        connect(tool, &QToolButton::clicked, this, [this, command] { run(command); });
        bar->addWidget(tool);
        return Command{tool, action};
    };
    m_cancel = add("TD2", "TP2", QStringLiteral("Zrušit výpůjční kartu"),
                   QStringLiteral("Zruší výpůjční kartu"), QStyle::SP_TrashIcon,
                   &TVypujcniKarta::returnCarrier);
    m_edit = add("TD3", "TP3", QStringLiteral("Editovat výpůjční kartu"),
                 QStringLiteral("Umožní editaci výpůjční karty"), QStyle::SP_FileDialogDetailedView,
                 &TVypujcniKarta::edit);
    m_save = add("TD4", "TP4", QStringLiteral("Uložit změny ve výpůjční kartě"),
                 QStringLiteral("Uloží změny ve výpůjční kartě"), QStyle::SP_DialogSaveButton,
                 &TVypujcniKarta::save);
    m_undo = add("TD5", "TP5", QStringLiteral("Vrátit změny ve výpůjční kartě"),
                 QStringLiteral("Vrátí změny ve výpůjční kartě"), QStyle::SP_ArrowBack,
                 &TVypujcniKarta::undo);
    auto* spring = new QWidget(bar);
    spring->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    bar->addWidget(spring);
    m_zpet = new QToolButton(bar);
    m_zpet->setObjectName(QStringLiteral("TD7"));
    m_zpet->setText(QStringLiteral("Zpět"));
    setHint(m_zpet, QStringLiteral("Ukončí práci s výpůjční kartou"));
    connect(m_zpet, &QToolButton::clicked, this, [this] { run(&TVypujcniKarta::zpet); });
    bar->addWidget(m_zpet);
}

// The title is drawn twice, white over grey one pixel apart, as a raised title.
void TVypujcniKarta::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    QFont title = classicFont(true);
    title.setPixelSize(18);
    painter.setFont(title);
    const QRect line(0, kTitleTop, width(), 24);
    painter.setPen(QColor(128, 128, 128));
    painter.drawText(line.translated(1, 1), Qt::AlignCenter, QStringLiteral("Výpůjční karta"));
    painter.setPen(Qt::white);
    painter.drawText(line, Qt::AlignCenter, QStringLiteral("Výpůjční karta"));
    painter.setPen(QColor(128, 128, 128));
    const int divider = height() - 46;
    painter.drawLine(8, divider, width() - 8, divider);
    painter.setPen(Qt::white);
    painter.drawLine(8, divider + 1, width() - 8, divider + 1);
}

void TVypujcniKarta::contextMenuEvent(QContextMenuEvent* event)
{
    m_window->popupMenu2()->popup(event->globalPos());
}

// ------------------------------------------------------------------ state

void TVypujcniKarta::setStav(Stav stav)
{
    m_stav = stav;
    const bool editing = stav == Stav::Editovana;
    for (QLineEdit* edit : m_editors)
        edit->setEnabled(editing);
    m_kryti->setVisible(stav == Stav::Prazdna || stav == Stav::Skryta);
    const auto enable = [](const Command& command, bool on) {
        command.button->setEnabled(on);
        command.item->setEnabled(on);
    };
    enable(m_cancel, stav == Stav::Pujcena);
    enable(m_edit, stav == Stav::Prazdna || stav == Stav::Pujcena);
    enable(m_save, editing);
    enable(m_undo, editing);
    // "Zpět" waits until the card's changes are saved or undone, that is
    // while the first-name editor DBEdit1 is enabled.
    m_zpet->setEnabled(!m_editors.at(kFirstName)->isEnabledTo(this));
}

QString TVypujcniKarta::programCode() const
{
    return QString::fromLatin1(m_window->values().programCode);
}

QString TVypujcniKarta::dataFolder() const
{
    return m_sluzby.programFolder().dataFolder();
}

void TVypujcniKarta::display(const std::optional<TVypujcka>& loan)
{
    for (int i = 0; i < m_editors.size(); ++i)
        m_editors[i]->setText(loan ? (*loan).*kRows[i].value : QString());
    const QDate date = loan ? loan->datum : QDate();
    m_datum->setText(date.isValid() ? QLocale().toString(date, fieldcodec::dateFormat(QLocale()))
                                    : QString());
}

TVypujcka TVypujcniKarta::typed() const
{
    TVypujcka loan;
    for (int i = 0; i < m_editors.size(); ++i)
        loan.*kRows[i].value = m_editors.at(i)->text();
    return loan;
}

// The register is read afresh: another window or a sibling program may have
// written it since.
Status TVypujcniKarta::reload()
{
    const QString id = m_editor ? m_editor->evidenceNumber() : QString();
    Status error;
    const auto loan = LoanRegister(dataFolder()).find(programCode(), id, &error);
    if (!error)
        return error;
    display(loan);
    setStav(loan ? Stav::Pujcena : Stav::Prazdna);
    selectRegister(id);
    return Status::ok();
}

// Table7 stands on the card's record for whoever looks at the register next.
void TVypujcniKarta::selectRegister(const QString& id) const
{
    TTable* reg = m_sluzby.dataModule() ? m_sluzby.dataModule()->table(7) : nullptr;
    if (!reg || reg->isEditing())
        return;
    reg->close();
    // Only a view for others: where it cannot be set, it is left as it is.
    if (reg->setFilter(QStringLiteral("PROGRAM = '%1'").arg(programCode())) &&
        reg->setFiltered(true) && reg->setIndex(QStringLiteral("ID")) && reg->open() &&
        reg->first())
        (void)reg->findKey(id);
}

void TVypujcniKarta::carrierChanged()
{
    // Another carrier in front while the card only shows: show its card.
    if (!m_busy && (m_stav == Stav::Prazdna || m_stav == Stav::Pujcena)) {
        if (Status s = reload(); !s)
            m_sluzby.reportError(s);
    }
}

void TVypujcniKarta::run(Status (TVypujcniKarta::*command)())
{
    if (m_busy)
        return;
    m_busy = true;
    const Status s = (this->*command)();
    m_busy = false;
    if (!s)
        emit failed(s);
}

// ------------------------------------------------------------------ commands

Status TVypujcniKarta::open()
{
    if (!m_editor || m_editor->evidenceNumber().isEmpty())
        return noNumber();
    if (m_stav != Stav::Skryta)
        return Status::ok();
    if (Status s = reload(); !s)
        return s;
    m_window->setLoanCardShown(true);
    QWidget::show();
    raise();
    return Status::ok();
}

Status TVypujcniKarta::edit()
{
    if (Status s = reload(); !s)
        return s;
    m_editedId = m_editor ? m_editor->evidenceNumber() : QString();
    setStav(Stav::Editovana);
    m_editors.at(kSurname)->setFocus();
    return Status::ok();
}

Status TVypujcniKarta::undo()
{
    return reload();
}

Status TVypujcniKarta::save()
{
    const QString id = m_editor ? m_editor->evidenceNumber() : QString();
    if (id.isEmpty())
        return noNumber();
    // Another carrier came in front while the borrower was typed (another
    // kind chosen, a search shown): the card must not land on it.
    if (id != m_editedId)
        return Status::error(QStringLiteral("Výpůjční karta byla rozepsána u nosiče číslo %1, "
                                            "okno databáze však nyní ukazuje nosič číslo %2. "
                                            "Vraťte změny ve výpůjční kartě a zapište ji znovu.")
                                 .arg(m_editedId, id));
    TVypujcka loan = typed();
    loan.datum = QDate::currentDate();
    loan.id = id;
    loan.program = programCode();
    LoanRegister reg(dataFolder());
    if (Status s = loancheck::check(loan, reg.codePage()); !s)
        return s;
    Status error;
    const auto old = reg.find(loan.program, id, &error);
    if (!error)
        return error;
    const bool wasLent = m_editor->isLent();
    if (Status s = m_editor->storeLoanMark(true); !s)
        return s;
    if (Status s = reg.store(loan); !s) {
        // No card, no mark: the carrier goes back to what it was.
        if (Status back = m_editor->storeLoanMark(wasLent); !back)
            return Status::error(s.message() + QLatin1Char(' ') + back.message(), s.detail());
        return s;
    }
    display(loan);
    setStav(Stav::Pujcena);
    selectRegister(id);
    QList<AddressLinks::Change> changes{{loan.osoba(), true}};
    if (old && old->osoba() != loan.osoba() && !reg.namesPerson(loan.program, old->osoba()))
        changes.append({old->osoba(), false});
    return link(changes, kLinking).status();
}

Status TVypujcniKarta::returnCarrier()
{
    const QString id = m_editor ? m_editor->evidenceNumber() : QString();
    LoanRegister reg(dataFolder());
    Status error;
    const auto old = reg.find(programCode(), id, &error);
    if (!error)
        return error;
    if (!old)
        return reload();
    if (Status s = reg.remove(old->program, id); !s)
        return s;
    if (Status s = m_editor->storeLoanMark(false); !s) {
        // The loan stands until the carrier can be marked returned.
        if (Status back = reg.store(*old); !back)
            return Status::error(s.message() + QLatin1Char(' ') + back.message(), s.detail());
        return s;
    }
    QList<AddressLinks::Change> changes;
    if (!reg.namesPerson(old->program, old->osoba()))
        changes.append({old->osoba(), false});
    const AddressLinks::Result result = link(changes, kUnlinking);
    display(std::nullopt);
    setStav(Stav::Prazdna);
    selectRegister(id);
    return result.status();
}

Status TVypujcniKarta::zpet()
{
    if (m_stav == Stav::Editovana)
        return Status::ok();
    hide();
    setStav(Stav::Skryta);
    m_window->setLoanCardShown(false);
    return Status::ok();
}

AddressLinks::Result TVypujcniKarta::link(const QList<AddressLinks::Change>& changes,
                                          const QString& text)
{
    auto* progress = new TInfoPropojitDialog(m_sluzby);
    progress->setText(text);
    AddressLinks::Result result;
    // The window closes on every path, a book that cannot be written included.
    // The result tells more than the status the window closes with.
    (void)progress->run([&] {
        const auto moved = [progress](int position) { progress->setProgress(position); };
        result = AddressLinks(dataFolder(), m_window->slot()).update(changes, moved);
        return result.status();
    });
    return result;
}
