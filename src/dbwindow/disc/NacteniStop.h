#pragma once

#include "DiscReading.h"
#include "TNacistStopyDialog.h"
#include "TrackFill.h"

#include <QObject>
#include <QPointer>

#include <functional>
#include <memory>

class HlavniSluzby;
class TDotazPrepsatDialog;
class TZaznamEditor;

// The command "Načíst stopy z disku...": asks where to read from, reads
// under the progress window, asks before replacing tracks the record holds
// and fills the record being edited. Whatever goes wrong is told in the
// message balloon and leaves the record as it was; nothing is stored until
// the user saves.
class NacteniStop final : public QObject
{
    Q_OBJECT

public:
    explicit NacteniStop(HlavniSluzby& sluzby, QObject* parent = nullptr);
    ~NacteniStop() override;

    void start(TZaznamEditor* editor);

    // The drives offered; the computer's own unless a test gives others.
    void setDrives(std::function<QList<disc::Drive>()> drives) { m_drives = std::move(drives); }

    TNacistStopyDialog* chooser() const { return m_chooser.get(); }
    // Null until the first question.
    TDotazPrepsatDialog* question() const { return m_question.get(); }

signals:
    // The record was filled, or the command ended without filling it.
    void finished(bool filled);

private:
    void read(const TNacistStopyDialog::Source& source);
    void readingDone(const disc::Reading& reading);
    void ask();
    void answered(bool overwrite);
    void fill();
    void fail(const Status& status);

    HlavniSluzby& m_sluzby;
    std::function<QList<disc::Drive>()> m_drives;
    std::unique_ptr<TNacistStopyDialog> m_chooser;
    std::unique_ptr<TDotazPrepsatDialog> m_question;
    QPointer<TZaznamEditor> m_editor;
    TrackFill::Result m_pending;
};
