#include "TNapovedaDialog.h"

#include "BalloonRule.h"
#include "DialogLook.h"
#include "HelpTopics.h"
#include "HlavniSluzby.h"
#include "TOdkazLabel.h"
#include "TOfficeLabel.h"

#include <QFrame>
#include <QHideEvent>
#include <QLabel>
#include <QShowEvent>

namespace {
constexpr int kMargin = 8;
constexpr int kTopicStep = 16;
const QString kListHeading = QStringLiteral("Seznam témat nápovědy");

} // namespace

TNapovedaDialog::TNapovedaDialog(HlavniSluzby& sluzby, QWidget* parent)
    : TBalloonDialog(sluzby, QSize(250, 343), parent), m_guard(sluzby, QStringLiteral("SBO8"))
{
    setObjectName(QStringLiteral("NapovedaDialog"));
    setWindowTitle(QStringLiteral("Nápověda"));
    setHint(this, QStringLiteral("Nápověda programu Fonarium 2000"));
    setFont(classicFont());
    createTexts();
    createTopicList();
    createCommands();
    setListMode();
}

QLabel* TNapovedaDialog::addLabel(const QString& name, const QRect& geometry,
                                  Qt::Alignment alignment)
{
    auto* label = new QLabel(this);
    label->setObjectName(name);
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(alignment);
    label->setWordWrap(true);
    label->setGeometry(geometry);
    return label;
}

void TNapovedaDialog::addRule(int y)
{
    auto* rule = new QFrame(this);
    rule->setFrameShape(QFrame::HLine);
    rule->setFrameShadow(QFrame::Sunken);
    rule->setGeometry(kMargin, y, width() - 2 * kMargin, 2);
}

void TNapovedaDialog::createTexts()
{
    const int inner = width() - 2 * kMargin;
    m_heading = addLabel(QStringLiteral("Label1"), QRect(kMargin, 8, inner, 18), Qt::AlignCenter);
    QFont bold = font();
    bold.setBold(true);
    m_heading->setFont(bold);
    m_text = addLabel(QStringLiteral("Label2"), QRect(kMargin, 30, inner, 131),
                      Qt::AlignHCenter | Qt::AlignTop);
    addRule(165);
    QLabel* informace =
        addLabel(QStringLiteral("Label4"), QRect(kMargin, 170, inner, 16), Qt::AlignCenter);
    informace->setText(QStringLiteral("Informace"));
    QFont redItalic = font();
    redItalic.setItalic(true);
    informace->setFont(redItalic);
    informace->setStyleSheet(QStringLiteral("color: red"));
    m_additional = addLabel(QStringLiteral("Label3"), QRect(kMargin, 188, inner, 80),
                            Qt::AlignHCenter | Qt::AlignTop);
    addRule(272);
}

void TNapovedaDialog::createTopicList()
{
    // Lies over the texts and hides them while the list is shown.
    m_topicList = new QWidget(this);
    m_topicList->setObjectName(QStringLiteral("Panel1"));
    m_topicList->setGeometry(kMargin, 30, width() - 2 * kMargin, 240);
    m_topicList->setAutoFillBackground(true);
    const auto& topics = helpTopics();
    for (int i = 0; i < kHelpTopicCount; ++i) {
        auto* line = new TOdkazLabel(topics[i].listLabel, m_topicList);
        line->setObjectName(QStringLiteral("Tema%1").arg(i + 1));
        line->setGeometry(12, 4 + i * kTopicStep, m_topicList->width() - 24, kTopicStep);
        const int number = i + 1;
        connect(line, &TOdkazLabel::clicked, this, [this, number] { setTopic(number); });
    }
}

void TNapovedaDialog::createCommands()
{
    auto* list = new TOfficeLabel(QStringLiteral("Zobrazit seznam témat nápovědy"), this);
    list->setObjectName(QStringLiteral("OfficeLabel1"));
    list->setFont(font());
    setHint(list, QStringLiteral("Zobrazí úplný seznam témat nápovědy"));
    list->setGeometry(kMargin + 4, 280, width() - 2 * kMargin - 8, 17);
    connect(list, &TOfficeLabel::clicked, this, &TNapovedaDialog::setListMode);

    auto* leave = new TOfficeLabel(QStringLiteral("Opustit nápovědu"), this);
    leave->setObjectName(QStringLiteral("OfficeLabel2"));
    leave->setFont(font());
    setHint(leave, QStringLiteral("Uzavře dialogové okno s nápovědou"));
    leave->setGeometry(kMargin + 4, 300, width() - 2 * kMargin - 8, 17);
    connect(leave, &TOfficeLabel::clicked, this, &TNapovedaDialog::close);
}

void TNapovedaDialog::setListMode()
{
    m_topic = 0;
    m_heading->setText(kListHeading);
    m_topicList->show();
    m_topicList->raise();
}

void TNapovedaDialog::setTopic(int number)
{
    if (number < 1 || number > kHelpTopicCount)
        return;
    const HelpTopic& topic = helpTopics()[number - 1];
    m_topic = number;
    m_heading->setText(topic.heading);
    m_text->setText(topic.text);
    m_additional->setText(topic.additional);
    m_topicList->hide();
}

void TNapovedaDialog::showForCurrentOperation()
{
    if (sluzby().activeDatabaseSlot() != 0)
        setTopic(kDatabaseTopic);
    else
        setListMode();
    showBeside(BalloonRule::help());
}

void TNapovedaDialog::showList()
{
    setListMode();
    showBeside(BalloonRule::help());
}

void TNapovedaDialog::showEvent(QShowEvent* event)
{
    TBalloonDialog::showEvent(event);
    if (event->spontaneous())
        return;
    m_guard.enter();
}

void TNapovedaDialog::hideEvent(QHideEvent* event)
{
    TBalloonDialog::hideEvent(event);
    if (event->spontaneous())
        return;
    m_guard.leave();
}
