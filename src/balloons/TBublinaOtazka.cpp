#include "TBublinaOtazka.h"

#include "BalloonRule.h"
#include "DialogLook.h"
#include "HlavniSluzby.h"
#include "QuestionKeys.h"
#include "TOfficeButton.h"

#include <QHideEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QScreen>
#include <QShowEvent>

#include <algorithm>

namespace {
constexpr int kTailRoom = 45;
// The tail points at the figure's face; the figure stands with its bottom
// level with the balloon's.
constexpr int kTipFromBottom = 62;
constexpr int kMargin = 12;
constexpr QSize kButton{72, 23};
constexpr int kGap = 6;
constexpr int kTextHeight = 48;
// Room left above the balloon and below it, where the figure stands off the
// screen's bottom edge.
constexpr int kScreenMargin = 40;
} // namespace

TBublinaOtazka::TBublinaOtazka(HlavniSluzby& sluzby, const QString& indicator, const QString& sound,
                               QWidget* parent)
    : TBocniBublina(sluzby, kSize, kTailRoom, kSize.height() - kTipFromBottom, parent),
      m_guard(sluzby, indicator), m_sound(sound)
{
    setWindowTitle(QStringLiteral("Fonarium 2000"));
    setFont(classicFont());
    setFocusPolicy(Qt::StrongFocus);
    addTitle();
}

void TBublinaOtazka::addTitle()
{
    auto* title = new QLabel(QStringLiteral("Fonarium 2000"), this);
    title->setObjectName(QStringLiteral("Label1"));
    title->setFont(classicFont(true));
    title->setGeometry(kMargin, 8, bodyRect().width() - 2 * kMargin, 16);
}

// The questions end in " ?"; wrapped at that space the mark would stand
// alone on the last line.
QString TBublinaOtazka::keepMarkOnLine(QString text)
{
    if (text.endsWith(QLatin1String(" ?")))
        text[text.size() - 2] = QChar::Nbsp;
    return text;
}

QLabel* TBublinaOtazka::addText(const QString& name, const QString& text)
{
    m_text = new QLabel(keepMarkOnLine(text), this);
    m_text->setObjectName(name);
    m_text->setTextFormat(Qt::PlainText);
    m_text->setWordWrap(true);
    m_text->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_text->setGeometry(kMargin, 30, bodyRect().width() - 2 * kMargin, kTextHeight);
    return m_text;
}

TOfficeButton* TBublinaOtazka::addButton(const QString& caption, const QString& hint)
{
    auto* button = new TOfficeButton(caption, this);
    button->setObjectName(caption);
    button->setFont(classicFont());
    setHint(button, hint);
    m_buttons.append(button);
    // The row grows to the left so that the last button keeps the right edge.
    const int top = height() - kButton.height() - 10;
    const int right = bodyRect().width() - kMargin;
    for (int i = 0; i < m_buttons.size(); ++i) {
        const int fromRight = int(m_buttons.size()) - i;
        const int left = right - fromRight * kButton.width() - (fromRight - 1) * kGap;
        m_buttons[i]->setGeometry(left, top, kButton.width(), kButton.height());
    }
    if (m_buttons.size() == 1)
        connect(button, &TOfficeButton::clicked, this, &TBublinaOtazka::yes);
    else
        connect(button, &TOfficeButton::clicked, this, &TBublinaOtazka::no);
    return button;
}

// The balloon stands on the figure at the bottom of the screen and grows
// upwards: a text taller than the screen would push its first lines, which say
// what happened, out above the top. The last lines give way to "…" instead.
void TBublinaOtazka::shortenToScreen()
{
    const QScreen* shown = screen();
    if (!shown)
        return;
    const int room =
        shown->availableGeometry().height() - kScreenMargin - kSize.height() + kTextHeight;
    const int width = m_text->width();
    if (m_text->heightForWidth(width) <= room)
        return;
    QStringList lines = m_text->text().split(QLatin1Char('\n'));
    const QString more = QStringLiteral("…");
    while (lines.size() > 1 && m_text->heightForWidth(width) > room) {
        lines.removeLast();
        m_text->setText(lines.join(QLatin1Char('\n')) + QLatin1Char('\n') + more);
    }
}

// A long message would be cut off at the buttons; the balloon grows instead,
// its tail kept at the figure's face.
void TBublinaOtazka::fitText()
{
    shortenToScreen();
    const int extra = std::max(0, m_text->heightForWidth(m_text->width()) - kTextHeight);
    const int delta = kSize.height() + extra - height();
    if (delta == 0)
        return;
    setBalloonHeight(kSize.height() + extra, kSize.height() + extra - kTipFromBottom);
    m_text->resize(m_text->width(), kTextHeight + extra);
    for (TOfficeButton* button : std::as_const(m_buttons))
        button->move(button->x(), button->y() + delta);
}

void TBublinaOtazka::ask()
{
    showBeside(BalloonRule::side());
    setFocus();
}

void TBublinaOtazka::showEvent(QShowEvent* event)
{
    TBocniBublina::showEvent(event);
    if (event->spontaneous() || m_guard.isUp())
        return;
    m_guard.enter();
    sluzby().playSound(m_sound);
}

void TBublinaOtazka::hideEvent(QHideEvent* event)
{
    TBocniBublina::hideEvent(event);
    if (!event->spontaneous())
        m_guard.leave();
}

void TBublinaOtazka::keyPressEvent(QKeyEvent* event)
{
    if (!answerQuestionKey(
            event, [this] { yes(); }, [this] { no(); }))
        TBocniBublina::keyPressEvent(event);
}

void TBublinaOtazka::reject()
{
    // The window system's close request counts as the last button.
    no();
}
