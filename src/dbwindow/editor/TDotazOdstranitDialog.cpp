#include "TDotazOdstranitDialog.h"

#include "BalloonRule.h"
#include "DialogLook.h"
#include "HlavniSluzby.h"
#include "QuestionKeys.h"
#include "TOfficeButton.h"

#include <QHideEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QShowEvent>

TDotazOdstranitDialog::TDotazOdstranitDialog(HlavniSluzby& sluzby, QWidget* parent)
    : TBalloonDialog(sluzby, kSize, parent)
{
    setObjectName(QStringLiteral("DotazOdstranitDialog"));
    setWindowTitle(QStringLiteral("Fonarium 2000"));
    setHint(this, QStringLiteral("Dotaz"));
    setFont(classicFont());
    createContents();
}

void TDotazOdstranitDialog::createContents()
{
    auto* title = new QLabel(QStringLiteral("Fonarium 2000"), this);
    title->setObjectName(QStringLiteral("Titulek"));
    title->setFont(classicFont(true));
    title->setGeometry(12, 8, width() - 24, 16);

    auto* question =
        new QLabel(QStringLiteral("Opravdu chcete tento záznam trvale odstranit ?"), this);
    question->setObjectName(QStringLiteral("Otazka"));
    question->setWordWrap(true);
    question->setGeometry(12, 28, width() - 24, 32);

    auto* yesButton = new TOfficeButton(QStringLiteral("Ano"), this);
    yesButton->setObjectName(QStringLiteral("Ano"));
    setHint(yesButton, QStringLiteral("Odstraní aktuální záznam a uzavře dialogové okno"));
    yesButton->setGeometry(width() - 172, 64, 75, 25);
    auto* noButton = new TOfficeButton(QStringLiteral("Ne"), this);
    noButton->setObjectName(QStringLiteral("Ne"));
    setHint(noButton, QStringLiteral("Uzavře dialogové okno bez odstranění záznamu"));
    noButton->setGeometry(width() - 90, 64, 75, 25);
    connect(yesButton, &TOfficeButton::clicked, this, &TDotazOdstranitDialog::yes);
    connect(noButton, &TOfficeButton::clicked, this, &TDotazOdstranitDialog::close);
}

void TDotazOdstranitDialog::ask(int slot)
{
    setKontrola(QString::number(slot));
    showBeside(BalloonRule::side());
    setFocus();
}

void TDotazOdstranitDialog::yes()
{
    const int slot = m_kontrola.toInt();
    close();
    emit deleteConfirmed(slot);
}

void TDotazOdstranitDialog::showEvent(QShowEvent* event)
{
    TBalloonDialog::showEvent(event);
    if (event->spontaneous() || m_up)
        return;
    m_up = true;
    sluzby().setIndicator(QStringLiteral("SBO10"), false);
    sluzby().setIndicator(QStringLiteral("SBO6"), true);
    sluzby().playSound(QStringLiteral("Dotaz.wav"));
    sluzby().setMainEnabled(false);
    sluzby().setAssistantEnabled(false);
}

void TDotazOdstranitDialog::hideEvent(QHideEvent* event)
{
    TBalloonDialog::hideEvent(event);
    if (event->spontaneous() || !m_up)
        return;
    m_up = false;
    sluzby().setIndicator(QStringLiteral("SBO6"), false);
    sluzby().setIndicator(QStringLiteral("SBO10"), true);
    sluzby().setMainEnabled(true);
    sluzby().setAssistantEnabled(true);
}

void TDotazOdstranitDialog::keyPressEvent(QKeyEvent* event)
{
    if (!answerQuestionKey(
            event, [this] { yes(); }, [this] { close(); }))
        TBalloonDialog::keyPressEvent(event);
}
