#include "TObrazekDialog.h"

#include "BalloonRule.h"
#include "DialogLook.h"
#include "FileChooser.h"
#include "FrontPicture.h"
#include "HlavniSluzby.h"
#include "IniFile.h"
#include "ProgramFolder.h"
#include "QuestionKeys.h"
#include "TOfficeButton.h"

#include <QFileInfo>
#include <QHideEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>

namespace {
constexpr QSize kSize{330, 170};
constexpr int kMargin = 12;
constexpr QSize kButton{72, 23};
} // namespace

TObrazekDialog::TObrazekDialog(HlavniSluzby& sluzby, QWidget* parent)
    : TBalloonDialog(sluzby, kSize, parent), m_guard(sluzby, QStringLiteral("SBO7"))
{
    setObjectName(QStringLiteral("ObrazekDialog"));
    setWindowTitle(QStringLiteral("Výběr obrázku"));
    setFont(classicFont());
    setFocusPolicy(Qt::StrongFocus);
    setHint(this, QStringLiteral("Výběr obrázku pro přední popisky nosičů"));
    createTexts();
    createButtons();
}

void TObrazekDialog::createTexts()
{
    auto* heading = new QLabel(QStringLiteral("Výběr obrázku pro přední popisky nosičů"), this);
    heading->setObjectName(QStringLiteral("Label1"));
    heading->setFont(classicFont(true));
    heading->setGeometry(kMargin, 10, width() - 2 * kMargin, 16);
    auto* text = new QLabel(QStringLiteral("Zadejte cestu k Vámi požadovanému obrázku pomocí "
                                           "tlačítka \"Vybrat obrázek\"."),
                            this);
    text->setObjectName(QStringLiteral("Label2"));
    text->setWordWrap(true);
    text->setGeometry(kMargin, 30, width() - 2 * kMargin, 30);
    m_edit = new QLineEdit(this);
    m_edit->setObjectName(QStringLiteral("Edit1"));
    m_edit->setReadOnly(true);
    m_edit->setGeometry(kMargin, 64, width() - 2 * kMargin, 21);
    // "Ok" is offered exactly while there is a name to use.
    connect(m_edit, &QLineEdit::textChanged, this,
            [this](const QString& text) { m_ok->setEnabled(!text.isEmpty()); });
}

void TObrazekDialog::createButtons()
{
    const int y = 95;
    m_choose = new QPushButton(QStringLiteral("Vybrat obrázek"), this);
    m_choose->setObjectName(QStringLiteral("Button1"));
    setHint(m_choose, QStringLiteral("Otevře dialogové okno pro výběr obrázku"));
    m_choose->setGeometry(kMargin, y, 100, kButton.height());
    connect(m_choose, &QPushButton::clicked, this, &TObrazekDialog::choosePicture);
    m_ok = new TOfficeButton(QStringLiteral("Ok"), this);
    m_ok->setObjectName(QStringLiteral("OfficeButton1"));
    setHint(m_ok, QStringLiteral("Použije obrázek v tiskových sestavách a uzevře dialogové okno"));
    m_ok->setGeometry(width() - 2 * (kMargin + kButton.width()), y + 32, kButton.width(),
                      kButton.height());
    m_ok->setEnabled(false);
    connect(m_ok, &TOfficeButton::clicked, this, &TObrazekDialog::confirm);
    auto* back = new TOfficeButton(QStringLiteral("Zpět"), this);
    back->setObjectName(QStringLiteral("OfficeButton2"));
    setHint(back,
            QStringLiteral("Uzavře dialogové okno bez použití obrázku v tiskových sestavách"));
    back->setGeometry(width() - kMargin - kButton.width(), y + 32, kButton.width(),
                      kButton.height());
    connect(back, &TOfficeButton::clicked, this, &TObrazekDialog::hide);
}

void TObrazekDialog::ask()
{
    if (!isVisible())
        showBeside(BalloonRule::upper());
    setFocus();
}

QString TObrazekDialog::path() const
{
    return m_edit->text();
}

void TObrazekDialog::choosePicture()
{
    const QString chosen =
        FileChooser::open(this, QStringLiteral("Výběr obrázku pro popisky nosičů"),
                          FrontPicture::fileFilters(), QFileInfo(m_edit->text()).absolutePath());
    if (!chosen.isEmpty())
        m_edit->setText(chosen);
}

// Enter writes even an empty name, which clears the choice.
void TObrazekDialog::confirm()
{
    const Status written =
        IniFile(sluzby().programFolder().programIniPath())
            .writeString(QStringLiteral("Obrazek"), QStringLiteral("Obrazek"), m_edit->text());
    hide();
    if (!written)
        sluzby().reportError(written);
}

void TObrazekDialog::showEvent(QShowEvent* event)
{
    TBalloonDialog::showEvent(event);
    if (event->spontaneous() || m_guard.isUp())
        return;
    m_edit->clear();
    m_guard.enter();
    sluzby().playSound(QStringLiteral("Info.wav"));
}

void TObrazekDialog::hideEvent(QHideEvent* event)
{
    TBalloonDialog::hideEvent(event);
    if (!event->spontaneous())
        m_guard.leave();
}

void TObrazekDialog::keyPressEvent(QKeyEvent* event)
{
    if (!answerQuestionKey(
            event, [this] { confirm(); }, [this] { hide(); }))
        TBalloonDialog::keyPressEvent(event);
}
