#include "TSestavyBublina.h"

#include "DialogLook.h"
#include "HlavniSluzby.h"
#include "QuestionKeys.h"
#include "TOfficeButton.h"
#include "TOfficeLabel.h"
#include "TVolba.h"

#include <QHideEvent>
#include <QLabel>
#include <QShowEvent>

namespace {
constexpr int kWidth = 260;
constexpr int kMargin = 12;
constexpr int kLineHeight = 16;
constexpr int kItemHeight = 30;
constexpr int kItemStep = 32;
constexpr QSize kButton{72, 23};

int heightFor(int lines, int items)
{
    return 12 + lines * kLineHeight + 10 + items * kItemStep + 8 + kButton.height() + 10 +
           TBalloonDialog::tailIndent;
}
} // namespace

TSestavyBublina::TSestavyBublina(HlavniSluzby& sluzby, const QString& indicator,
                                 const QStringList& heading, const QList<Item>& items,
                                 QWidget* parent)
    : TBalloonDialog(sluzby, QSize(kWidth, heightFor(int(heading.size()), int(items.size()))),
                     parent),
      m_guard(sluzby, indicator)
{
    setFont(classicFont());
    setFocusPolicy(Qt::StrongFocus);
    int y = 12;
    for (int i = 0; i < heading.size(); ++i, y += kLineHeight) {
        auto* line = new QLabel(heading.at(i), this);
        line->setObjectName(QStringLiteral("Label%1").arg(i + 1));
        line->setFont(classicFont(true));
        line->setAlignment(Qt::AlignHCenter);
        line->setGeometry(kMargin, y, width() - 2 * kMargin, kLineHeight);
        m_heading.append(line);
    }
    y += 10;
    for (const Item& definition : items) {
        auto* entry = new TVolba(definition.name, definition.hint, this);
        entry->setText(definition.caption);
        entry->setGeometry(kMargin + 6, y, width() - 2 * kMargin - 12, kItemHeight);
        connect(entry, &TVolba::chosen, this, [this, name = definition.name] { choose(name); });
        m_items.append(entry);
        y += kItemStep;
    }
    auto* storno = new TOfficeButton(QStringLiteral("Storno"), this);
    storno->setObjectName(QStringLiteral("OfficeButton1"));
    storno->setFont(classicFont());
    setHint(storno, QStringLiteral("Uzavře dialogové okno"));
    storno->setGeometry(width() - kMargin - kButton.width(), y + 8, kButton.width(),
                        kButton.height());
    connect(storno, &TOfficeButton::clicked, this, &TSestavyBublina::hide);
}

TVolba* TSestavyBublina::item(const QString& name) const
{
    for (TVolba* entry : m_items) {
        if (entry->label()->objectName() == name)
            return entry;
    }
    return nullptr;
}

void TSestavyBublina::showEvent(QShowEvent* event)
{
    TBalloonDialog::showEvent(event);
    if (event->spontaneous() || m_guard.isUp())
        return;
    m_guard.enter();
}

void TSestavyBublina::hideEvent(QHideEvent* event)
{
    TBalloonDialog::hideEvent(event);
    if (event->spontaneous())
        return;
    m_guard.leave();
    emit closed();
}

void TSestavyBublina::keyPressEvent(QKeyEvent* event)
{
    const auto leave = [this] { hide(); };
    if (!answerQuestionKey(event, leave, leave))
        TBalloonDialog::keyPressEvent(event);
}
