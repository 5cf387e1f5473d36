#include "TVyberDialog.h"

#include "BalloonRule.h"
#include "DialogLook.h"
#include "HlavniSluzby.h"
#include "QuestionKeys.h"
#include "TOfficeButton.h"
#include "TVolba.h"

#include <QHideEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QShowEvent>

namespace {
constexpr int kMargin = 12;
constexpr int kEntryHeight = 30;
constexpr QSize kButton{72, 23};

int heightFor(int entries)
{
    return TVyberDialog::entryTop(entries + 1) + 8 + kButton.height() + 10 +
           TBalloonDialog::tailIndent;
}
} // namespace

TVyberDialog::TVyberDialog(HlavniSluzby& sluzby, const QString& indicator, const QString& heading,
                           const QStringList& hints, QWidget* parent)
    : TBalloonDialog(sluzby, QSize(kWidth, heightFor(int(hints.size()))), parent),
      m_guard(sluzby, indicator)
{
    setFont(classicFont());
    setFocusPolicy(Qt::StrongFocus);
    createHeading(heading);
    createEntries(hints);
    createStorno();
}

void TVyberDialog::createHeading(const QString& heading)
{
    auto* label = new QLabel(heading, this);
    label->setObjectName(QStringLiteral("Label1"));
    label->setFont(classicFont(true));
    label->setGeometry(kMargin, 12, width() - 2 * kMargin, 18);
}

void TVyberDialog::createEntries(const QStringList& hints)
{
    for (int i = 1; i <= hints.size(); ++i) {
        auto* entry = new TVolba(QStringLiteral("Volba%1").arg(i), hints.at(i - 1), this);
        entry->setGeometry(kMargin + 6, entryTop(i), width() - 2 * kMargin - 12, kEntryHeight);
        connect(entry, &TVolba::chosen, this, [this, i] { choose(i); });
        m_entries.append(entry);
    }
}

void TVyberDialog::createStorno()
{
    auto* storno = new TOfficeButton(QStringLiteral("Storno"), this);
    storno->setObjectName(QStringLiteral("Storno"));
    storno->setFont(classicFont());
    setHint(storno, QStringLiteral("Uzavře dialogové okno"));
    storno->setGeometry(width() - kMargin - kButton.width(), entryTop(entryCount() + 1) + 8,
                        kButton.width(), kButton.height());
    connect(storno, &TOfficeButton::clicked, this, &TVyberDialog::hide);
}

TVolba* TVyberDialog::entry(int number) const
{
    return number >= 1 && number <= m_entries.size() ? m_entries.at(number - 1) : nullptr;
}

void TVyberDialog::ask()
{
    if (isVisible())
        return;
    fillEntries();
    showBeside(BalloonRule::upper());
    setFocus();
}

void TVyberDialog::showEvent(QShowEvent* event)
{
    TBalloonDialog::showEvent(event);
    if (event->spontaneous() || m_guard.isUp())
        return;
    m_guard.enter();
    sluzby().playSound(QStringLiteral("Dialog.wav"));
}

void TVyberDialog::hideEvent(QHideEvent* event)
{
    TBalloonDialog::hideEvent(event);
    if (!event->spontaneous())
        m_guard.leave();
}

void TVyberDialog::keyPressEvent(QKeyEvent* event)
{
    // Enter and Esc both leave the choice without choosing.
    const auto leave = [this] { hide(); };
    if (!answerQuestionKey(event, leave, leave))
        TBalloonDialog::keyPressEvent(event);
}
