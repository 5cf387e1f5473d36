#pragma once

#include <QDialog>

class HlavniSluzby;
class QCheckBox;
class QLabel;
class TipStepper;
class TOfficeButton;

// The tips window "Víte, že ...": greets the user at start-up with the current
// tip of the day and steps through the tips with the same stepper as the tip
// line of the main window's tips toolbar. Its first closing in a run carries
// the start-up presentation on to the welcome balloon and the figure.
class TTipyDialog final : public QDialog
{
    Q_OBJECT

public:
    TTipyDialog(HlavniSluzby& sluzby, TipStepper& stepper, QWidget* parent = nullptr);

signals:
    // The first closing in this run asks for the welcome balloon at the figure.
    void welcomeRequested();

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void createHeading();
    void createTipPanel();
    void createButtons();
    void createCheckBox();
    TOfficeButton* addButton(const QString& name, const QString& caption, const QString& hint,
                             int y);
    void showTip(const QString& tip);
    void showAvailability(bool available);
    void centre();
    void takeFocus();

    HlavniSluzby& m_sluzby;
    TipStepper& m_stepper;
    QLabel* m_tip = nullptr;
    QLabel* m_error = nullptr;
    TOfficeButton* m_previous = nullptr;
    TOfficeButton* m_next = nullptr;
    QCheckBox* m_checkBox = nullptr;
};
