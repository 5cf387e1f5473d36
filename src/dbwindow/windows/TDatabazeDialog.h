#pragma once

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
// Its state is read from the controls the record editor puts into it: a
// record is being edited while the evidence-number editor `C1` is enabled,
// the loan card is shown while `Panel10` is visible and edited while its
// undo button `TD5` is enabled.
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

    // The record editor fills the client area in place of the read-only view.
    void setEditor(QWidget* editor);
    QWidget* editor() const { return m_editor; }

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

    // The loan card came up or went: PopupMenu2 and the main window's record
    // bars, side-bar pages and menus follow it.
    void setLoanCardShown(bool shown);

    virtual bool isRecordEditing() const;
    virtual bool isLoanCardShown() const;
    virtual bool isLoanCardEditing() const;
    // Every record editor of the record editor, `S1` included when disabling.
    virtual void setRecordEditorsEnabled(bool enabled);
    static const QStringList& recordEditorNames();

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
    bool childEnabled(const char* name) const;
    void setClientSize(const QSize& size);

    const Hodnoty& m_hodnoty;
    HlavniSluzby& m_sluzby;
    QPointer<TDotazKonecDialog> m_dotaz;
    QString m_databaseName;
    QWidget* m_plocha = nullptr;
    QVBoxLayout* m_layout = nullptr;
    QWidget* m_editor = nullptr;
    QMenu* m_popup1 = nullptr;
    QPointer<QMenu> m_recordMenu;
    std::shared_ptr<const QObject*> m_recordMenuObject = std::make_shared<const QObject*>(nullptr);
    QMenu* m_popup2 = nullptr;
    bool m_loanCardMenu = false;
    RecordSaver m_saver;
};
