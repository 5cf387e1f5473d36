#pragma once

#include "DialogGuard.h"
#include "TBalloonDialog.h"

class QCheckBox;
class TOfficeLabel;

// The welcome balloon: greets the user beside the assistant figure and offers
// the help topics, the electronic manual or plain work. Its check box, kept
// as Uvitani in the suite settings, decides whether it greets at start-up.
class TUvitaniDialog final : public TBalloonDialog
{
    Q_OBJECT

public:
    explicit TUvitaniDialog(HlavniSluzby& sluzby, QWidget* parent = nullptr);

    // At start-up and after the first closing of the tips window: brings the
    // figure out, makes room for the balloon, ticks the box and shows it.
    void showAtStart();
    // For the figure's double click.
    void showFromFigure();

signals:
    // "Zobrazit úplný seznam témat nápovědy ..." was chosen; the balloon has closed.
    void helpListRequested();

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    // The help indicator SBO8 stands while the balloon is up.
    DialogGuard m_guard;
    void createGreeting();
    void createCommands();
    void createCheckBox();
    TOfficeLabel* addCommand(const QString& name, const QString& caption, const QString& hint,
                             int y);
    void openHelpList();
    void startManual();
    void saveCheckBox();

    TOfficeLabel* m_manual = nullptr;
    QCheckBox* m_checkBox = nullptr;
};
