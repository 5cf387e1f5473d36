#pragma once

#include "FieldBinding.h"
#include "RecordPane.h"
#include "Status.h"
#include "TrackFill.h"

#include <QList>
#include <QSet>
#include <QWidget>

class ClipboardMarks;
class QComboBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPlainTextEdit;
class QTabWidget;
class TDataSource;
class TDatumEdit;
class TPujcenoLabel;
class TStopyPage;
class TTable;
class TZaplneni;
class TZaznamMenu;
struct KindLayout;

// The carrier record editor, the content of a database window: the editors of
// one carrier on the pages "Obecné informace" and "Podrobnosti", the fill
// display, the loan mark and the record pop-up menu. The editors follow the
// current record of the data source's table by themselves and are disabled
// while the record is only shown; the record commands below make them
// editable and store or drop what was typed.
//
// While a record is edited the editors hold the truth: what they show is
// written into the record as it is typed and once more, in full, when the
// record is saved. A text the table cannot take stays in its editor until
// the user corrects it or undoes the record.
class TZaznamEditor final : public QWidget, public RecordPane
{
    Q_OBJECT

public:
    static constexpr QSize kSize{517, 419};

    explicit TZaznamEditor(TDataSource* source, QWidget* parent = nullptr);

    TTable* table() const;
    // PopupMenu1, shown by a right click on the editor.
    QMenu* popupMenu() const;

    QWidget* paneWidget() override { return this; }
    // A record is being edited or created: the evidence number editor C1 is
    // enabled, whatever a dialog over the window does to the window.
    bool isEditing() const override;
    void setRecordEditorsEnabled(bool enabled) override { setEditorsEnabled(enabled); }
    QString kindText() const;
    // The genre choice of the reports makes no sense for data carriers.
    bool allowsGenreChoice() const { return m_genreChoice; }

    Status first();
    Status prior();
    Status next();
    Status last();
    Status newRecord();
    Status editRecord();
    // Totals the tracks into CELKEM, stamps DATUM with today's date and posts
    // the record. Anything the table refuses keeps the record in editing with
    // every editor as typed; the message says which editor to correct.
    Status saveRecord();
    Status undoRecord();
    // Deletes the current record without asking; the table then stands on the
    // following record.
    Status deleteRecord();

    // The loan card's view of its carrier: the evidence number as typed, the
    // place below the number line the card covers, and the loan mark. Storing
    // the mark of an edited record stores its pending changes too, totalled
    // as saving totals them, and leaves the record in editing; a track that
    // does not convert stops it before anything is stored.
    QString evidenceNumber() const;
    QRect loanCardArea() const;
    bool isLent() const;
    Status storeLoanMark(bool lent);

    // The requests of the pop-up menu that the window carries out. Their
    // items are offered only once someone answers them.
    enum class Request
    {
        Preview,
        Print,
        Search
    };
    void setAnswered(Request request, bool answered = true);

    // The carrier texts a fill of the tracks works from, and the fill itself:
    // the texts go into their editors and the record as typing puts them
    // there, and the total is computed as saving computes it. The record
    // stays in editing; only an edited record can be filled.
    TrackFill::Record trackTexts() const;
    Status fillTracks(const TrackFill::Record& texts);

    // On the text editor that last received the focus.
    void cut();
    void copy();
    void paste();
    QWidget* clipboardTarget() const;

signals:
    // Editing began or ended, or another record is shown: the state the
    // record commands are enabled by may have changed.
    void stateChanged();
    // A record editor received the focus: cut, copy and paste apply exactly
    // when it is a text editor.
    void clipboardTargetChanged(bool textEditorFocused);
    void genreChoiceAllowedChanged(bool allowed);
    void loanMarkClicked();
    // Pop-up items the database window carries out.
    void previewRequested();
    void printRequested();
    void searchRequested();
    void deleteRequested();
    void readTracksRequested();
    // A command started from the editor itself (the Enter key or a pop-up
    // item) was refused; the window shows the message.
    void commandFailed(const Status& status);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    void createHeader();
    void createPages();
    void createFooter();
    void createBinding();
    void connectEditors();
    void connectMarks();
    void connectWriting(const FieldBinding::Link& link);
    void connectMenu();
    void connectData();

    void dataChanged();
    void tableStateChanged();
    void loadRecord();
    void showMinuteLengths();
    void refreshDisplays();
    void typed(const FieldBinding::Link& link);
    void textChanged();
    void applyRules();
    void applyTexts(const KindLayout& layout, bool editing);
    void applyFill(const KindLayout& layout);
    void setGenreChoice(bool allowed);
    void updateMenu();
    bool isCarriedOut(const QString& item) const;
    void setClipboardEnabled(bool enabled);

    Status move(Status (TTable::*step)());
    Status computeTotal();
    void setEditorsEnabled(bool enabled);
    void enterEditing();
    void leaveEditing();
    void focusEditor(QWidget* editor);
    void run(Status (TZaznamEditor::*command)());
    bool saveOnEnter(QObject* watched, QKeyEvent* event);
    static bool isEnter(const QKeyEvent* event);
    QComboBox* openListOf(const QObject* part) const;
    static void pickFrom(QComboBox* list);

    TDataSource* m_source;
    FieldBinding m_binding;
    ClipboardMarks* m_marks = nullptr;
    TZaznamMenu* m_menu = nullptr;
    QList<QWidget*> m_recordEditors;
    QSet<Request> m_answered;

    QLineEdit* m_number = nullptr;  // C1
    QComboBox* m_kind = nullptr;    // D1
    QLineEdit* m_length = nullptr;  // N1
    QLabel* m_lengthUnit = nullptr; // Label19
    QTabWidget* m_pages = nullptr;
    QLineEdit* m_title = nullptr; // J1
    QLabel* m_performerLabel = nullptr;
    QLineEdit* m_performer = nullptr; // I1
    QLabel* m_genreLabel = nullptr;
    QComboBox* m_genre = nullptr;     // F1
    QLineEdit* m_total = nullptr;     // S1
    QLabel* m_totalUnit = nullptr;    // Label3
    TDatumEdit* m_acquired = nullptr; // D2
    QPlainTextEdit* m_note = nullptr; // P1
    TStopyPage* m_tracks = nullptr;
    TZaplneni* m_fill = nullptr;
    QLabel* m_updated = nullptr; // DBText1
    TPujcenoLabel* m_loan = nullptr;

    bool m_loading = false;
    bool m_keepEditing = false;
    bool m_genreChoice = true;
};
