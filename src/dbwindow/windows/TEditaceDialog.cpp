#include "TEditaceDialog.h"

#include "DialogLook.h"
#include "HlavniSluzby.h"
#include "OptionalDatabases.h"
#include "QuestionKeys.h"
#include "TOfficeButton.h"
#include "TVolba.h"
#include "TVyberDialog.h"

#include <QFontMetrics>
#include <QHideEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QShowEvent>

namespace {
constexpr int kTailRoom = 30;
// The tail points at the lamp of the picked entry, level with its first line.
constexpr int kTipY = 8;
constexpr int kMargin = 10;
constexpr int kHeight = 108;
// The lamp of an office label and the gap after it.
constexpr int kLamp = 20;

const QString kCreate = QStringLiteral("Vytvořit novou nebo upravit stávající databázi");
const QString kDelete = QStringLiteral("Zrušit vybranou databázi včetně všech dat");

QString ordinalName(int optional)
{
    static const QStringList names{QStringLiteral("První volitelná databáze"),
                                   QStringLiteral("Druhá volitelná databáze"),
                                   QStringLiteral("Třetí volitelná databáze")};
    return names.value(optional - 1);
}
} // namespace

TEditaceDialog::TEditaceDialog(HlavniSluzby& sluzby, QWidget* parent)
    : TBocniBublina(sluzby, fittingSize(), kTailRoom, kTipY, parent),
      m_guard(sluzby, QStringLiteral("SBO4"))
{
    setObjectName(QStringLiteral("EditaceDialog"));
    setWindowTitle(QStringLiteral("Volitelná databáze"));
    setHint(this, QStringLiteral("Práce s volitelnými databázemi"));
    setFont(classicFont());
    setFocusPolicy(Qt::StrongFocus);
    createContents();
}

QSize TEditaceDialog::fittingSize()
{
    const QFontMetrics metrics(classicFont());
    const int text =
        std::max(metrics.horizontalAdvance(kCreate), metrics.horizontalAdvance(kDelete));
    return QSize(text + kLamp + 2 * kMargin + 8 + kTailRoom, kHeight);
}

void TEditaceDialog::createContents()
{
    const int inner = bodyRect().width() - 2 * kMargin;
    m_heading = new QLabel(this);
    m_heading->setObjectName(QStringLiteral("Label1"));
    m_heading->setFont(classicFont(true));
    m_heading->setGeometry(kMargin, 6, inner, 16);
    m_kontrola = new QLineEdit(this);
    m_kontrola->setObjectName(QStringLiteral("Kontrola"));
    m_kontrola->hide();

    m_create = new TVolba(QStringLiteral("Volba1"),
                          QStringLiteral("Umožní vytvoření nebo editaci volitelné databáze"), this);
    m_create->setGeometry(kMargin, 28, inner, 17);
    m_create->setText(kCreate);
    connect(m_create, &TVolba::chosen, this, &TEditaceDialog::createRequestedHere);
    m_delete = new TVolba(QStringLiteral("Volba2"),
                          QStringLiteral("Zruší volitelnou databázi včetně všech dat"), this);
    m_delete->setGeometry(kMargin, 52, inner, 17);
    m_delete->setText(kDelete);
    connect(m_delete, &TVolba::chosen, this, &TEditaceDialog::deleteRequestedHere);

    auto* storno = new TOfficeButton(QStringLiteral("Storno"), this);
    storno->setObjectName(QStringLiteral("Storno"));
    storno->setFont(classicFont());
    setHint(storno, QStringLiteral("Uzavře dialogové okno"));
    storno->setGeometry(bodyRect().width() - kMargin - 72, height() - 33, 72, 23);
    connect(storno, &TOfficeButton::clicked, this, &TEditaceDialog::hide);
}

QPoint TEditaceDialog::placeBeside(const QPoint& novy, int optional)
{
    int left = novy.x() - 200;
    if (left < 5)
        left = novy.x() + 100;
    return QPoint(left, novy.y() + TVyberDialog::entryTop(optional));
}

void TEditaceDialog::showFor(int optional, QWidget* novy)
{
    m_heading->setText(ordinalName(optional));
    m_kontrola->setText(QString::number(optional));
    // Only a database with its table can be deleted, whatever name is stored.
    m_delete->setStruck(!OptionalDatabases(sluzby().programFolder()).tableExists(optional));
    m_guard.setBeneath(novy, QStringLiteral("SBO4"));
    showAt(placeBeside(novy->pos(), optional));
    setFocus();
}

int TEditaceDialog::optional() const
{
    return m_kontrola->text().toInt();
}

void TEditaceDialog::createRequestedHere()
{
    const int k = optional();
    hide();
    emit createRequested(k);
}

void TEditaceDialog::deleteRequestedHere()
{
    const int k = optional();
    hide();
    emit deleteRequested(k);
}

void TEditaceDialog::showEvent(QShowEvent* event)
{
    TBocniBublina::showEvent(event);
    if (!event->spontaneous())
        m_guard.enter();
}

void TEditaceDialog::hideEvent(QHideEvent* event)
{
    TBocniBublina::hideEvent(event);
    if (!event->spontaneous())
        m_guard.leave();
}

void TEditaceDialog::keyPressEvent(QKeyEvent* event)
{
    // Enter and Esc both leave the choice without choosing.
    const auto leave = [this] { hide(); };
    if (!answerQuestionKey(event, leave, leave))
        TBocniBublina::keyPressEvent(event);
}
