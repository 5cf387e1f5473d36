#pragma once

#include "DiscReading.h"
#include "ProgressWindow.h"

#include <atomic>
#include <functional>

class QThread;
class TOfficeButton;

// The progress window of a track reading. The reading runs beside the
// window, so the window keeps painting while a drive spins up; "Storno" (or
// Esc) asks the reading to stop at its next step.
class TNacitaniStopDialog final : public ProgressWindow
{
    Q_OBJECT

public:
    static constexpr QSize kSize{300, 104};
    using Work = std::function<disc::Reading(const disc::Progress& progress)>;

    explicit TNacitaniStopDialog(HlavniSluzby& sluzby);
    ~TNacitaniStopDialog() override;

    // Starts the window and the reading; `done` follows once the reading
    // has returned, and the window closes itself after it.
    void read(Work work);
    void cancel();

signals:
    void done(const disc::Reading& reading);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    bool report(int percent);
    void readingReturned();

    TOfficeButton* m_storno = nullptr;
    QThread* m_thread = nullptr;
    disc::Reading m_reading;
    std::atomic_bool m_cancelled{false};
};
