#pragma once

#include "DialogGuard.h"
#include "TBalloonDialog.h"

class TVolba;

// A balloon above the assistant figure that offers a column of databases to
// choose from, under a heading, with "Storno" below. Enter and Esc close it
// like "Storno".
class TVyberDialog : public TBalloonDialog
{
    Q_OBJECT

public:
    static constexpr int kWidth = 300;
    // Where entry 1, 2, ... begins, measured from the top of the balloon.
    static constexpr int entryTop(int entry) { return 39 + 32 * (entry - 1); }

    // Entries are numbered from 1.
    TVolba* entry(int number) const;
    int entryCount() const { return int(m_entries.size()); }

    DialogGuard& guard() { return m_guard; }

protected:
    TVyberDialog(HlavniSluzby& sluzby, const QString& indicator, const QString& heading,
                 const QStringList& hints, QWidget* parent);

    // Fills the entries, then shows the balloon above the figure.
    void ask();
    virtual void fillEntries() = 0;
    virtual void choose(int entry) = 0;

    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void reject() override { hide(); }

private:
    void createHeading(const QString& heading);
    void createEntries(const QStringList& hints);
    void createStorno();

    DialogGuard m_guard;
    QList<TVolba*> m_entries;
};
