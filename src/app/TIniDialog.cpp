#include "TIniDialog.h"

#include "BalloonRule.h"
#include "HlavniSluzby.h"
#include "IniFile.h"
#include "ProgramFolder.h"
#include "QuestionKeys.h"
#include "TOfficeButton.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QVBoxLayout>

const QList<TIniDialog::Key>& TIniDialog::restoredKeys()
{
    static const QList<Key> keys{
        {"Zobrazit", "Standardni", "1"},   {"Zobrazit", "Okna", "1"},
        {"Zobrazit", "Databaze", "1"},     {"Zobrazit", "TipyDne", "1"},
        {"Zobrazit", "StavovyRadek", "1"}, {"Zobrazit", "PanelOutlook", "1"},
        {"Otevreni", "Databaze1", "0"},    {"Otevreni", "Databaze2", "0"},
        {"Otevreni", "Databaze3", "0"},    {"Otevreni", "Databaze4", "0"},
        {"Obrazek", "Obrazek", ""},        {"Kontrola", "Pomocna", "0"},
        {"Kontrola", "Pomocna1", "0"}};
    return keys;
}

TIniDialog::TIniDialog(HlavniSluzby& sluzby, QWidget* parent)
    : TBublina(kSize, 45, parent), m_sluzby(sluzby)
{
    setObjectName(QStringLiteral("IniDialog"));
    setWindowTitle(QStringLiteral("Fonarium 2000"));
    createContents();
}

void TIniDialog::createContents()
{
    auto* title = new QLabel(QStringLiteral("Fonarium 2000"), this);
    title->setObjectName(QStringLiteral("Titulek"));
    QFont bold = title->font();
    bold.setBold(true);
    title->setFont(bold);
    auto* question =
        new QLabel(QStringLiteral("Opravdu chcete obnovit nastavení v *.INI souboru ?"), this);
    question->setObjectName(QStringLiteral("Otazka"));
    question->setWordWrap(true);

    auto* yesButton = new TOfficeButton(QStringLiteral("Ano"), this);
    yesButton->setObjectName(QStringLiteral("Ano"));
    yesButton->setStatusTip(
        QStringLiteral("Obnoví nastavení v *.INI souboru a uzavře dialogové okno"));
    yesButton->setToolTip(yesButton->statusTip());
    auto* noButton = new TOfficeButton(QStringLiteral("Ne"), this);
    noButton->setObjectName(QStringLiteral("Ne"));
    noButton->setStatusTip(QStringLiteral("Uzavře dialogové okno bez obnovení v *.INI souboru"));
    noButton->setToolTip(noButton->statusTip());
    connect(yesButton, &TOfficeButton::clicked, this, &TIniDialog::yes);
    connect(noButton, &TOfficeButton::clicked, this, &TIniDialog::no);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(yesButton);
    buttons->addWidget(noButton);
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->addWidget(title);
    column->addWidget(question, 1);
    column->addLayout(buttons);
}

void TIniDialog::ask()
{
    move(m_sluzby.placeBalloon(BalloonRule::side(), size()));
    m_up = true;
    m_sluzby.setIndicator(QStringLiteral("SBO10"), false);
    m_sluzby.setIndicator(QStringLiteral("SBO6"), true);
    m_sluzby.playSound(QStringLiteral("Dotaz.wav"));
    m_sluzby.setMainEnabled(false);
    m_sluzby.setAssistantEnabled(false);
    show();
    raise();
    activateWindow();
    setFocus();
}

void TIniDialog::yes()
{
    const IniFile ini(m_sluzby.programFolder().programIniPath());
    for (const Key& key : restoredKeys())
        ini.writeString(key.section, key.key, key.value);
    emit restored();
    hide();
}

void TIniDialog::no()
{
    hide();
}

void TIniDialog::keyPressEvent(QKeyEvent* event)
{
    if (!answerQuestionKey(
            event, [this] { yes(); }, [this] { no(); }))
        TBublina::keyPressEvent(event);
}

void TIniDialog::hideEvent(QHideEvent* event)
{
    TBublina::hideEvent(event);
    if (event->spontaneous() || !m_up)
        return;
    m_up = false;
    // The question is only offered while no database window is open.
    m_sluzby.setIndicator(QStringLiteral("SBO6"), false);
    m_sluzby.setIndicator(QStringLiteral("SBO10"), false);
    m_sluzby.setMainEnabled(true);
    m_sluzby.setAssistantEnabled(true);
}
