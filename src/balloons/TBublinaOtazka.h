#pragma once

#include "DialogGuard.h"
#include "TBocniBublina.h"

class QLabel;
class TOfficeButton;

// A question or warning beside the assistant figure: the title "Fonarium
// 2000", a text, and one or two buttons. Enter answers with the first button,
// Esc with the last; a warning has only one.
class TBublinaOtazka : public TBocniBublina
{
    Q_OBJECT

public:
    static constexpr QSize kSize{320, 118};

    DialogGuard& guard() { return m_guard; }

protected:
    // `indicator` stands in panel 2 while the balloon is up; `sound` plays
    // when it comes up.
    TBublinaOtazka(HlavniSluzby& sluzby, const QString& indicator, const QString& sound,
                   QWidget* parent);

    QLabel* addText(const QString& name, const QString& text);
    // Buttons stand in a row at the bottom right, in the order they are added.
    TOfficeButton* addButton(const QString& caption, const QString& hint);
    QLabel* text() const { return m_text; }
    // Makes the balloon as tall as its text needs, never less than kSize.
    void fitText();

    // Places the balloon beside the figure and shows it.
    void ask();

    // The first and the last button.
    virtual void yes() = 0;
    virtual void no() { hide(); }

    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void reject() override;

private:
    void shortenToScreen();
    void addTitle();
    static QString keepMarkOnLine(QString text);

    DialogGuard m_guard;
    QString m_sound;
    QLabel* m_text = nullptr;
    QList<TOfficeButton*> m_buttons;
};
