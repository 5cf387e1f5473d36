#include "TZaznamEditor.h"

#include "CarrierKind.h"
#include "CarrierTotal.h"
#include "ClipboardMarks.h"
#include "DialogLook.h"
#include "EditorParts.h"
#include "FieldCodec.h"
#include "KindLayout.h"
#include "RecordCommandRules.h"
#include "TDataSource.h"
#include "TDatumEdit.h"
#include "TObecnePage.h"
#include "TPujcenoLabel.h"
#include "TStopyPage.h"
#include "TTable.h"
#include "TZaplneni.h"
#include "TZaznamMenu.h"
#include "TableLayout.h"

#include <QAbstractItemView>
#include <QAction>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTabWidget>

#include <cmath>

using namespace editorparts;

namespace {

// A typed or stored number in the user's notation, a point also accepted.
std::optional<double> numberIn(const QString& text)
{
    return fieldcodec::parseNumber(text, QLocale());
}

int whole(double value)
{
    return int(std::lround(value));
}

} // namespace

TZaznamEditor::TZaznamEditor(TDataSource* source, QWidget* parent)
    : QWidget(parent), m_source(source)
{
    setObjectName(QStringLiteral("ZaznamEditor"));
    setFont(classicFont());
    // A shown record is read far more often than it is edited: its disabled
    // editors keep a text dark enough to read.
    QPalette readable = palette();
    readable.setColor(QPalette::Disabled, QPalette::Text, QColor(64, 64, 64));
    readable.setColor(QPalette::Disabled, QPalette::ButtonText, QColor(64, 64, 64));
    setPalette(readable);
    resize(kSize);
    m_menu = new TZaznamMenu(this);
    createHeader();
    createPages();
    createFooter();
    createBinding();
    connectEditors();
    connectMenu();
    connectData();
    setEditorsEnabled(false);
    loadRecord();
    updateMenu();
}

void TZaznamEditor::createHeader()
{
    constexpr int y = 8;
    QLabel* label = caption(this, QStringLiteral("Evidenční číslo :"), 8, y);
    m_number = numberEditor(this, QStringLiteral("C1"), 5);
    m_number->setGeometry(rightOf(label, 4), y, 50, kEditorHeight);
    setHint(m_number, QStringLiteral("Evidenční číslo"));

    label = caption(this, QStringLiteral("Druh nosiče :"), rightOf(m_number, 12), y);
    m_kind = listEditor(this, QStringLiteral("D1"), layouts::carrierKinds());
    m_kind->setGeometry(rightOf(label, 4), y, 118, kEditorHeight);
    setHint(m_kind, QStringLiteral("Druh nosiče"));

    label = caption(this, QStringLiteral("Délka nosiče :"), rightOf(m_kind, 12), y);
    m_length = numberEditor(this, QStringLiteral("N1"), 5);
    m_length->setGeometry(rightOf(label, 4), y, 50, kEditorHeight);
    setHint(m_length, QStringLiteral("Délka nosiče"));
    m_lengthUnit = caption(this, QString(), rightOf(m_length, 4), y, QStringLiteral("Label19"));
    m_lengthUnit->resize(width() - m_lengthUnit->x() - 4, m_lengthUnit->height());
}

void TZaznamEditor::createPages()
{
    m_pages = new QTabWidget(this);
    m_pages->setObjectName(QStringLiteral("PageControl1"));
    m_pages->setGeometry(4, 36, width() - 8, 354);
    auto* general = new TObecnePage(m_pages);
    m_pages->addTab(general, QStringLiteral("Obecné informace"));
    m_title = general->title();
    m_performerLabel = general->performerLabel();
    m_performer = general->performer();
    m_genreLabel = general->genreLabel();
    m_genre = general->genre();
    m_total = general->total();
    m_totalUnit = general->totalUnit();
    m_acquired = general->acquired();
    m_note = general->note();
    m_fill = general->fill();
    m_tracks = new TStopyPage(m_pages);
    m_pages->addTab(m_tracks, QStringLiteral("Podrobnosti"));
    m_pages->setCurrentIndex(0);
}

void TZaznamEditor::createFooter()
{
    constexpr int y = 394;
    QLabel* label = caption(this, QStringLiteral("Datum poslední aktualizace :"), 8, y);
    m_updated = caption(this, QString(), rightOf(label, 6), y, QStringLiteral("DBText1"));
    QFont bold = m_updated->font();
    bold.setBold(true);
    m_updated->setFont(bold);
    QPalette red = m_updated->palette();
    red.setColor(QPalette::WindowText, QColor(255, 0, 0));
    m_updated->setPalette(red);
    m_updated->resize(100, m_updated->height());
    setHint(m_updated, QStringLiteral("Datum poslední aktualizace"));

    m_loan = new TPujcenoLabel(this);
    m_loan->adjustSize();
    m_loan->move(width() - m_loan->width() - 10, y + (kEditorHeight - m_loan->height()) / 2);
    connect(m_loan, &TPujcenoLabel::clicked, this, &TZaznamEditor::loanMarkClicked);
}

void TZaznamEditor::createBinding()
{
    m_binding.add(m_number, QStringLiteral("CISLO"), QStringLiteral("Evidenční číslo"));
    m_binding.add(m_kind, QStringLiteral("DRUH"), QStringLiteral("Druh nosiče"));
    m_binding.add(m_length, QStringLiteral("DELKA"), QStringLiteral("Délka nosiče"));
    m_binding.add(m_title, QStringLiteral("NAZEV"), QStringLiteral("Název"));
    m_binding.add(m_performer, QStringLiteral("INTERPRET"), QStringLiteral("Interpret"));
    m_binding.add(m_genre, QStringLiteral("ZANR"), QStringLiteral("Žánr"));
    m_binding.add(m_total, QStringLiteral("CELKEM"), QStringLiteral("Celková délka"));
    m_binding.add(m_acquired, QStringLiteral("DATUM1"), QStringLiteral("Datum pořízení"));
    m_binding.add(m_note, QStringLiteral("POZNAMKA"), QStringLiteral("Poznámka"));
    for (int n = 1; n <= TStopyPage::kTracks; ++n) {
        const QString track = QStringLiteral("Stopa %1").arg(n);
        m_binding.add(m_tracks->titleEditor(n), QStringLiteral("A%1").arg(n), track);
        m_binding.add(m_tracks->valueEditor(n), QStringLiteral("C%1").arg(n), track);
    }
    for (const FieldBinding::Link& link : m_binding.links()) {
        if (link.editor != m_total)
            m_recordEditors.append(link.editor);
    }
}

void TZaznamEditor::connectEditors()
{
    connectMarks();
    for (const FieldBinding::Link& link : m_binding.links())
        connectWriting(link);
    // The blank entry at the end of the genre list clears the genre.
    connect(m_genre, &QComboBox::activated, this, [this](int index) {
        if (m_genre->itemText(index).trimmed().isEmpty())
            m_genre->setEditText(QString());
    });
    connect(m_kind, &QComboBox::editTextChanged, this, &TZaznamEditor::textChanged);
    connect(m_length, &QLineEdit::textChanged, this, &TZaznamEditor::textChanged);
    for (int n = 1; n <= TStopyPage::kTracks; ++n)
        connect(m_tracks->titleEditor(n), &QLineEdit::textChanged, this,
                &TZaznamEditor::textChanged);
}

void TZaznamEditor::connectMarks()
{
    m_marks = new ClipboardMarks(this);
    for (QWidget* text : QList<QWidget*>{m_title, m_performer, m_note})
        m_marks->addTextEditor(text);
    for (int n = 1; n <= TStopyPage::kTracks; ++n)
        m_marks->addTextEditor(m_tracks->titleEditor(n));
    for (QWidget* other : QList<QWidget*>{m_number, m_kind, m_length, m_genre, m_total, m_acquired})
        m_marks->addOtherEditor(other);
    for (int n = 1; n <= TStopyPage::kTracks; ++n)
        m_marks->addOtherEditor(m_tracks->valueEditor(n));
    connect(m_marks, &ClipboardMarks::entered, this, [this](bool textEditor) {
        setClipboardEnabled(textEditor);
        emit clipboardTargetChanged(textEditor);
    });
}

// Every editor writes into its field as the user types and saves on Enter;
// a right click anywhere brings the record menu, not an editor's own.
void TZaznamEditor::connectWriting(const FieldBinding::Link& link)
{
    auto write = [this, link] { typed(link); };
    QWidget* keys = link.editor;
    if (auto* line = qobject_cast<QLineEdit*>(link.editor)) {
        connect(line, &QLineEdit::textEdited, this, write);
    } else if (auto* combo = qobject_cast<QComboBox*>(link.editor)) {
        connect(combo, &QComboBox::editTextChanged, this, write);
        keys = combo->lineEdit();
        // The drop-down is a window of its own: its keys pass here too.
        combo->view()->installEventFilter(this);
        combo->view()->window()->installEventFilter(this);
    } else if (auto* date = qobject_cast<TDatumEdit*>(link.editor)) {
        connect(date, &TDatumEdit::textEdited, this, write);
        keys = date->lineEdit();
    } else if (auto* note = qobject_cast<QPlainTextEdit*>(link.editor)) {
        connect(note, &QPlainTextEdit::textChanged, this, write);
        note->viewport()->setContextMenuPolicy(Qt::NoContextMenu);
    }
    keys->installEventFilter(this);
    keys->setContextMenuPolicy(Qt::NoContextMenu);
    link.editor->setContextMenuPolicy(Qt::NoContextMenu);
}

void TZaznamEditor::connectMenu()
{
    const auto on = [this](const char* name, auto slot) {
        connect(m_menu->item(QString::fromLatin1(name)), &QAction::triggered, this, slot);
    };
    on("MP0", &TZaznamEditor::previewRequested);
    on("MP01", &TZaznamEditor::printRequested);
    on("MP1", &TZaznamEditor::cut);
    on("MP2", &TZaznamEditor::copy);
    on("MP3", &TZaznamEditor::paste);
    on("MP4", &TZaznamEditor::deleteRequested);
    on("MP5", [this] { run(&TZaznamEditor::editRecord); });
    on("MP6", [this] { run(&TZaznamEditor::saveRecord); });
    on("MP13", [this] { run(&TZaznamEditor::undoRecord); });
    on("MP7", &TZaznamEditor::searchRequested);
    on("MP8", [this] { run(&TZaznamEditor::first); });
    on("MP9", [this] { run(&TZaznamEditor::prior); });
    on("MP10", [this] { run(&TZaznamEditor::next); });
    on("MP11", [this] { run(&TZaznamEditor::last); });
    on("MP12", [this] { run(&TZaznamEditor::newRecord); });
    on("MP14", &TZaznamEditor::readTracksRequested);
}

void TZaznamEditor::connectData()
{
    if (!m_source)
        return;
    connect(m_source, &TDataSource::dataChanged, this, &TZaznamEditor::dataChanged);
    connect(m_source, &TDataSource::stateChanged, this, &TZaznamEditor::tableStateChanged);
}

TTable* TZaznamEditor::table() const
{
    return m_source ? m_source->dataSet() : nullptr;
}

QMenu* TZaznamEditor::popupMenu() const
{
    return m_menu;
}

bool TZaznamEditor::isEditing() const
{
    return m_number->isEnabledTo(this);
}

QString TZaznamEditor::kindText() const
{
    return m_kind->currentText();
}

QWidget* TZaznamEditor::clipboardTarget() const
{
    return m_marks->target();
}

// While a record is edited its editors hold what was typed; only the
// displays that nobody types into follow the record.
void TZaznamEditor::dataChanged()
{
    if (isEditing()) {
        refreshDisplays();
        return;
    }
    loadRecord();
    updateMenu();
    emit stateChanged();
}

// The table may leave editing without this editor, when a window posts or
// drops the record on its own (the save question, a change of filter).
void TZaznamEditor::tableStateChanged()
{
    if (m_keepEditing)
        return;
    const TTable* t = table();
    if (isEditing() && !(t && t->isEditing())) {
        leaveEditing();
        loadRecord();
    }
    updateMenu();
    emit stateChanged();
}

void TZaznamEditor::loadRecord()
{
    m_loading = true;
    if (const TTable* t = table())
        m_binding.load(*t);
    showMinuteLengths();
    m_loading = false;
    refreshDisplays();
}

// The table keeps 2,10 (2 min 10 s) as the number 2.1, which would read as 2:01.
void TZaznamEditor::showMinuteLengths()
{
    if (!CarrierTotal::isAudioKind(kindText()))
        return;
    QList<QLineEdit*> lengths{m_total};
    for (int n = 1; n <= TStopyPage::kTracks; ++n)
        lengths.append(m_tracks->valueEditor(n));
    for (QLineEdit* length : std::as_const(lengths))
        length->setText(carrierkind::minuteText(length->text(), QLocale()));
    // The carrier's length is in minutes and seconds too.
    m_length->setText(
        carrierkind::shownValue(kindText(), QStringLiteral("DELKA"), m_length->text(), QLocale()));
}

void TZaznamEditor::refreshDisplays()
{
    const TTable* t = table();
    m_updated->setText(t ? t->fieldText(QStringLiteral("DATUM")) : QString());
    m_loan->setLent(isLent());
    applyRules();
}

void TZaznamEditor::typed(const FieldBinding::Link& link)
{
    TTable* t = table();
    if (m_loading || !isEditing() || !t || !t->isEditing())
        return;
    // A text that does not convert yet stays in its editor; saving reports it.
    (void)m_binding.store(*t, link);
}

void TZaznamEditor::textChanged()
{
    if (!m_loading)
        applyRules();
}

void TZaznamEditor::applyRules()
{
    const QString kind = m_kind->currentText();
    const bool editing = isEditing();
    const std::optional<KindLayout> layout = KindLayout::of(kind);
    // A kind typed by hand leaves a shown record as the previous one left it.
    if (!layout && !editing)
        return;
    const KindLayout rules = layout.value_or(KindLayout::none());
    applyTexts(rules, editing);
    if (editing) {
        m_fill->coverAll();
        if (rules.fill == KindLayout::Fill::Data)
            m_fill->emptyBar();
    } else {
        applyFill(rules);
    }
    setGenreChoice(rules.fill != KindLayout::Fill::Data);
}

void TZaznamEditor::applyTexts(const KindLayout& layout, bool editing)
{
    m_tracks->setHeaders(layout.leftHeader, layout.rightHeader, layout.valueHeader);
    m_lengthUnit->setText(layout.unit);
    m_totalUnit->setText(layout.unit);
    m_fill->setCapacityText(layout.showsCapacity ? m_length->text() : QString());
    m_performerLabel->setEnabled(layout.performerAndGenre);
    m_genreLabel->setEnabled(layout.performerAndGenre);
    if (editing) {
        m_performer->setEnabled(layout.performerAndGenre);
        m_genre->setEnabled(layout.performerAndGenre);
    }
}

void TZaznamEditor::applyFill(const KindLayout& layout)
{
    QList<bool> titled;
    for (int n = 1; n <= TStopyPage::kTracks; ++n)
        titled.append(!m_tracks->titleEditor(n)->text().isEmpty());
    switch (layout.fill) {
    case KindLayout::Fill::AudioCd:
        m_fill->showAudioCd(titled);
        break;
    case KindLayout::Fill::Mc:
        m_fill->showMc(titled);
        break;
    case KindLayout::Fill::Data:
        m_fill->showData();
        // Without a capacity the bar keeps what it showed; a total that is
        // not a number counts as nothing used.
        if (const auto capacity = numberIn(m_length->text()))
            m_fill->setBar(whole(*capacity), whole(numberIn(m_total->text()).value_or(0.0)));
        break;
    case KindLayout::Fill::None:
        m_fill->coverAll();
        break;
    }
}

void TZaznamEditor::setGenreChoice(bool allowed)
{
    if (allowed == m_genreChoice)
        return;
    m_genreChoice = allowed;
    emit genreChoiceAllowedChanged(allowed);
}

// The pop-up menu follows the same rules as the main window's commands, so it
// is right even before the main window looks at this window.
void TZaznamEditor::updateMenu()
{
    const TTable* t = table();
    const bool bof = !t || !t->isActive() || t->bof();
    const bool eof = !t || !t->isActive() || t->eof();
    for (const recordrules::Rule& rule :
         recordrules::rulesFor(recordrules::stateOf(isEditing(), bof, eof))) {
        if (!recordrules::isPopupItem(rule.item) || !rule.enabled)
            continue;
        if (QAction* action = m_menu->item(rule.item))
            action->setEnabled(*rule.enabled && isCarriedOut(rule.item));
    }
}

// Preview, print and search are carried out outside the editor; an item that
// nobody answers would do nothing, so it is offered only once someone does.
bool TZaznamEditor::isCarriedOut(const QString& item) const
{
    if (item == QLatin1String("MP0"))
        return m_answered.contains(Request::Preview);
    if (item == QLatin1String("MP01"))
        return m_answered.contains(Request::Print);
    if (item == QLatin1String("MP7"))
        return m_answered.contains(Request::Search);
    return true;
}

void TZaznamEditor::setAnswered(Request request, bool answered)
{
    if (answered)
        m_answered.insert(request);
    else
        m_answered.remove(request);
    updateMenu();
}

void TZaznamEditor::setClipboardEnabled(bool enabled)
{
    for (const char* name : {"MP1", "MP2", "MP3"})
        m_menu->item(QString::fromLatin1(name))->setEnabled(enabled);
}

void TZaznamEditor::cut()
{
    m_marks->cut();
}

void TZaznamEditor::copy()
{
    m_marks->copy();
}

void TZaznamEditor::paste()
{
    m_marks->paste();
}

void TZaznamEditor::focusEditor(QWidget* editor)
{
    for (int page = 0; page < m_pages->count(); ++page) {
        if (m_pages->widget(page)->isAncestorOf(editor))
            m_pages->setCurrentIndex(page);
    }
    editor->setFocus();
}

void TZaznamEditor::run(Status (TZaznamEditor::*command)())
{
    if (Status s = (this->*command)(); !s)
        emit commandFailed(s);
}

bool TZaznamEditor::eventFilter(QObject* watched, QEvent* event)
{
    // With a list open, Enter only picks the highlighted entry. The main
    // window's save command has Enter for its shortcut, so the key is claimed
    // before the shortcut can take it.
    const bool key = event->type() == QEvent::ShortcutOverride || event->type() == QEvent::KeyPress;
    if (key && isEnter(static_cast<QKeyEvent*>(event))) {
        if (QComboBox* list = openListOf(watched)) {
            event->accept();
            if (event->type() == QEvent::KeyPress)
                pickFrom(list);
            return true;
        }
    }
    if (event->type() == QEvent::KeyPress && saveOnEnter(watched, static_cast<QKeyEvent*>(event)))
        return true;
    return QWidget::eventFilter(watched, event);
}

void TZaznamEditor::pickFrom(QComboBox* list)
{
    const QModelIndex highlighted = list->view()->currentIndex();
    list->hidePopup();
    if (highlighted.isValid())
        list->setCurrentIndex(highlighted.row());
}

bool TZaznamEditor::isEnter(const QKeyEvent* event)
{
    return event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
}

// A part of a list whose drop-down is open (its editor, the drop-down and
// its entries): Enter there picks the entry.
QComboBox* TZaznamEditor::openListOf(const QObject* part) const
{
    for (QComboBox* list : {m_kind, m_genre}) {
        const QAbstractItemView* view = list->view();
        if (view->isVisible() && (part == list->lineEdit() || part == view->window() ||
                                  part == view || part == view->viewport()))
            return list;
    }
    return nullptr;
}

// Enter saves the record from any editor. In the note Ctrl+Enter and
// Shift+Enter begin a new line.
bool TZaznamEditor::saveOnEnter(QObject* watched, QKeyEvent* event)
{
    if (!isEnter(event))
        return false;
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
    if (watched == m_note && (modifiers == Qt::ShiftModifier || modifiers == Qt::ControlModifier)) {
        m_note->textCursor().insertText(QStringLiteral("\n"));
        return true;
    }
    if (modifiers != Qt::NoModifier || !isEditing())
        return false;
    run(&TZaznamEditor::saveRecord);
    return true;
}

void TZaznamEditor::contextMenuEvent(QContextMenuEvent* event)
{
    m_menu->popup(event->globalPos());
    event->accept();
}
