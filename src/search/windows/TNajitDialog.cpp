#include "TNajitDialog.h"

#include "BalloonRule.h"
#include "DialogLook.h"
#include "HlavniSluzby.h"
#include "QuestionKeys.h"
#include "SearchLook.h"
#include "TOfficeButton.h"
#include "TOfficeLabel.h"

#include <QFrame>
#include <QHideEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QShowEvent>

namespace {
constexpr int kMargin = 10;
constexpr int kLabelHeight = 30;
constexpr QSize kButton{72, 22};
} // namespace

TNajitDialog::TNajitDialog(HlavniSluzby& sluzby)
    : TBalloonDialog(sluzby, kSize, nullptr), m_guard(sluzby, QStringLiteral("SBO2"))
{
    setObjectName(QStringLiteral("NajitDialog"));
    setWindowTitle(QStringLiteral("Najít"));
    setHint(this, QStringLiteral("Vyhledání záznamu v databázi"));
    setFont(classicFont());
    setFocusPolicy(Qt::StrongFocus);
    m_slot = new QLineEdit(this);
    m_slot->setObjectName(QStringLiteral("Kontrola"));
    m_slot->hide();
    createHeading();
    createCriteria();
    createStorno();
}

void TNajitDialog::createHeading()
{
    auto* heading =
        new QLabel(QStringLiteral("Vyberte si klíč, podle kterého chcete vyhledávat"), this);
    heading->setObjectName(QStringLiteral("Label1"));
    heading->setFont(classicFont(true));
    heading->setAlignment(Qt::AlignCenter);
    heading->setWordWrap(true);
    heading->setGeometry(kMargin, 4, width() - 2 * kMargin, kLabelTop - 6);
}

void TNajitDialog::createCriteria()
{
    int top = kLabelTop;
    for (const search::Criterion& criterion : search::criteria()) {
        auto* label = new TOfficeLabel(criterion.label, this);
        label->setObjectName(QStringLiteral("Kriterium") + criterion.code);
        label->setFont(searchlook::serifFont());
        setHint(label, criterion.hint);
        label->setGeometry(kMargin, top, width() - 2 * kMargin, kLabelHeight);
        connect(label, &TOfficeLabel::clicked, this,
                [this, &criterion] { emit criterionChosen(criterion); });
        m_labels.append(label);
        top += kLabelSpacing;
    }
}

void TNajitDialog::createStorno()
{
    const int ruleTop = kLabelTop + 6 * kLabelSpacing + kLabelHeight + 2;
    auto* rule = new QFrame(this);
    rule->setFrameShape(QFrame::HLine);
    rule->setFrameShadow(QFrame::Sunken);
    rule->setGeometry(kMargin, ruleTop, width() - 2 * kMargin, 2);
    auto* storno = new TOfficeButton(QStringLiteral("Storno"), this);
    storno->setObjectName(QStringLiteral("Storno"));
    storno->setFont(classicFont());
    setHint(storno, QStringLiteral("Uzavře dialogové okno"));
    storno->setGeometry(width() - kMargin - kButton.width(), ruleTop + 4, kButton.width(),
                        kButton.height());
    connect(storno, &TOfficeButton::clicked, this, &TNajitDialog::hide);
}

int TNajitDialog::slot() const
{
    return m_slot->text().toInt();
}

void TNajitDialog::setSlot(int slot)
{
    m_slot->setText(QString::number(slot));
}

TOfficeLabel* TNajitDialog::criterionLabel(const QString& code) const
{
    const QList<search::Criterion>& all = search::criteria();
    for (qsizetype i = 0; i < all.size(); ++i) {
        if (all.at(i).code == code)
            return m_labels.at(i);
    }
    return nullptr;
}

void TNajitDialog::ask()
{
    if (isVisible())
        return;
    showBeside(BalloonRule::search());
    setFocus();
}

void TNajitDialog::showEvent(QShowEvent* event)
{
    TBalloonDialog::showEvent(event);
    if (event->spontaneous() || m_guard.isUp())
        return;
    m_guard.enter();
    sluzby().playSound(QStringLiteral("Dialog.wav"));
}

void TNajitDialog::hideEvent(QHideEvent* event)
{
    TBalloonDialog::hideEvent(event);
    if (!event->spontaneous())
        m_guard.leave();
}

void TNajitDialog::keyPressEvent(QKeyEvent* event)
{
    // Enter does not choose a key: like Esc it only closes the balloon.
    const auto leave = [this] { hide(); };
    if (!answerQuestionKey(event, leave, leave))
        TBalloonDialog::keyPressEvent(event);
}
