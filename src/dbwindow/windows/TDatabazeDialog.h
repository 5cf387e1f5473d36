#pragma once

#include "RecordPane.h"
#include "Status.h"

#include <QMdiSubWindow>
#include <QPointer>

#include <functional>
#include <memory>

class HlavniSluzby;
class QMenu;
class QVBoxLayout;
class TDotazKonecDialog;
class TTable;

// The document window of one open database. The four windows differ only in
// the values of their slot; everything else lives here. The window exists
// while its database is open: the chooser creates it after opening the table,
// and closing it for good closes the table and frees the window.
//
// Its state is what its record pane says: whether a record is being edited,
// and whether the loan card over it is shown or being edited.
class TDatabazeDialog : public QMdiSubWindow
{
    Q_OBJECT

public:
    struct Hodnoty
    {
        int slot;
        const char* name;        // the window's name, which other windows look for
        const char* caption;     // empty: the chooser names the window
        const char* windowItem;  // the main window's Okno item
        const char* statusIcon;  // the slot picture in the status bar
        const char* programCode; // the database in the shared loan register
        const char* linkMark;
    };
    static const Hodnoty& hodnoty(int slot);
    static constexpr QSize kClientSize{517, 419};

    // The window of slot 1-4, as the chooser makes it.
    static TDatabazeDialog* create(int slot, HlavniSluzby& sluzby, TDotazKonecDialog* dotaz);

    int slot() const { return m_hodnoty.slot; }
    const Hodnoty& values() const { return m_hodnoty; }
    TTable* table() const;

    // The name the chooser lists the database under; it also names the
    // window, except the standard database's, which keeps its caption.
    const QString& databaseName() const { return m_databaseName; }
    void setDatabaseName(const QString& name);

    // The record editor fills the client area in place of the read-only view;
    // the window owns the pane from then on.
    void setEditor(RecordPane* pane);
    QWidget* editor() const { return m_editor; }
    RecordPane* recordPane() const { return m_editor ? m_pane : nullptr; }

    // The record editor's record menu takes the place of the empty PopupMenu1.
    void setRecordMenu(QMenu* menu);
    // How the save question stores the record, when the record editor knows
    // better than stamping DATUM and posting what the table holds.
    using RecordSaver = std::function<Status()>;
    void setRecordSaver(RecordSaver saver) { m_saver = std::move(saver); }

    QMenu* popupMenu1() const;
    QMenu* popupMenu2() const { return m_popup2; }
    // PopupMenu2 while the loan card is shown, PopupMenu1 otherwise.
    QMenu* currentPopupMenu() const { return m_loanCardMenu ? m_popup2 : popupMenu1(); }

    bool isRecordEditing() const;
    RecordPane::LoanCard loanCardState() const;
    bool isLoanCardShown() const { return loanCardState() != RecordPane::LoanCard::None; }
    bool isLoanCardEditing() const { return loanCardState() == RecordPane::LoanCard::Editing; }

    // Shows the window in front of the others with its client area sized.
    void ukazat();
    // The exit sequence closes the window of an edited record: the save
    // question is marked so that its answer lets the exit go on.
    void closeForExit();

    // The answers of the save question. Saving stamps DATUM with today and
    // posts; when the table refuses, the editors come back and the window
    // stays. Either closes the window on success.
    Status saveAndClose();
    void discardAndClose();

signals:
    // The loan card is being edited and the window was asked to close: its
    // warning must be shown; the window stays.
    void loanCardWarningNeeded(int slot);

protected:
    TDatabazeDialog(int slot, HlavniSluzby& sluzby, TDotazKonecDialog* dotaz, QWidget* parent);

    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void createContents();
    void createPopupMenus();
    void activated();
    void closeForGood();
    void closeTableUnlessLoanCardEdited();
    Status stampAndPost();
    void setRecordEditorsEnabled(bool enabled);
    void setClientSize(const QSize& size);

    const Hodnoty& m_hodnoty;
    HlavniSluzby& m_sluzby;
    QPointer<TDotazKonecDialog> m_dotaz;
    QString m_databaseName;
    QWidget* m_plocha = nullptr;
    QVBoxLayout* m_layout = nullptr;
    QPointer<QWidget> m_editor;
    RecordPane* m_pane = nullptr;
    QMenu* m_popup1 = nullptr;
    QPointer<QMenu> m_recordMenu;
    std::shared_ptr<const QObject*> m_recordMenuObject = std::make_shared<const QObject*>(nullptr);
    QMenu* m_popup2 = nullptr;
    bool m_loanCardMenu = false;
    RecordSaver m_saver;
};
