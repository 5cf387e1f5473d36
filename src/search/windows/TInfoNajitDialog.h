#pragma once

#include "AuxiliaryBuild.h"
#include "ProgressWindow.h"
#include "SearchCriteria.h"

class QLineEdit;
class TNajitAnimace;

// The small progress window of a build of the auxiliary table: a searching
// animation, the phase and a bar that counts the build's steps. It disables
// the main window from its creation and frees itself when closed. Closing records the copy in the
// program settings: in search mode as the copy of its database, after which
// the search comes back; in print mode ("Tisk", a report made the copy) as
// no search copy at all. A window closed after a failed build records
// nothing, so both copies count as not current.
//
// The request travels in its fields: Kontrola the builder's top, Kontrola2 the
// builder's heading, Kontrola3 the slot, Kontrola4 the mode ("Ne" or "Tisk").
class TInfoNajitDialog : public ProgressWindow, public search::BuildProgress
{
    Q_OBJECT

public:
    static constexpr QSize kSize{347, 60};

    explicit TInfoNajitDialog(HlavniSluzby& sluzby);
    ~TInfoNajitDialog() override;

    search::Shape shape() const { return m_shape; }

    struct Request
    {
        int builderTop = 0;
        QString heading;
        int slot = 0;
        QString mode; // "Ne" from the search, "Tisk" from a report
    };
    void setRequest(const Request& request);
    Request request() const;

    // The build ended: on failure nothing is recorded. Closes the window.
    void finish(bool succeeded);

    // search::BuildProgress
    void setPhase(const QString& text) override;
    void setMaximum(int maximum) override;
    void setPosition(int position) override;

    QString phase() const;
    int position() const;

signals:
    // Closed in search mode after a build that ran to its end.
    void searchResumes(const Request& request);

protected:
    TInfoNajitDialog(HlavniSluzby& sluzby, search::Shape shape, const QString& name);

    void started() override;
    void stopped() override;
    void closeEvent(QCloseEvent* event) override;

private:
    void createContents();
    QLineEdit* createField(const QString& name);
    void recordCopy();

    HlavniSluzby& m_sluzby;
    search::Shape m_shape;
    TNajitAnimace* m_animace = nullptr;
    QLineEdit* m_top = nullptr;
    QLineEdit* m_heading = nullptr;
    QLineEdit* m_slot = nullptr;
    QLineEdit* m_mode = nullptr;
    bool m_succeeded = false;
    bool m_closed = false;
};
