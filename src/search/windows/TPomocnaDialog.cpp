#include "TPomocnaDialog.h"

#include "DialogLook.h"
#include "HlavniSluzby.h"
#include "ProgramFolder.h"
#include "QuestionKeys.h"
#include "SearchCurrency.h"
#include "SearchLook.h"
#include "TDataModule1.h"
#include "TOfficeButton.h"
#include "TOfficeLabel.h"
#include "TPreskrtnuti.h"
#include "TTable.h"

#include <QFrame>
#include <QHideEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPainterPath>
#include <QShowEvent>

namespace {
constexpr int kMargin = 8;
constexpr int kLineHeight = 17;
constexpr QSize kButton{64, 20};
constexpr int kAuxiliaryTable = 5;

QPainterPath roundedOutline(const QSize& size)
{
    QPainterPath path;
    path.addRoundedRect(QRectF(QPointF(0, 0), QSizeF(size)), 10, 10);
    return path;
}
} // namespace

TPomocnaDialog::TPomocnaDialog(HlavniSluzby& sluzby, QWidget* searchDialog)
    : TPomocnaDialog(sluzby, searchDialog, search::Shape::PerCarrier,
                     QStringLiteral("PomocnaDialog"),
                     QStringLiteral("Vytvořit pomocnou databázi nosičů"))
{
}

TPomocnaDialog::TPomocnaDialog(HlavniSluzby& sluzby, QWidget* searchDialog, search::Shape shape,
                               const QString& name, const QString& buildCaption)
    : QDialog(nullptr, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      m_sluzby(sluzby), m_shape(shape), m_guard(sluzby, QStringLiteral("SBO2"))
{
    setObjectName(name);
    setWindowTitle(QStringLiteral("Vyhledávání"));
    setHint(this, QStringLiteral("Vyhledávání záznamů"));
    setFixedSize(kSize);
    setFont(classicFont());
    setFocusPolicy(Qt::StrongFocus);
    QPalette yellow = palette();
    yellow.setColor(QPalette::Window, searchlook::ground());
    setPalette(yellow);
    setMask(QRegion(roundedOutline(kSize).toFillPolygon().toPolygon()));
    m_guard.setBeneath(searchDialog, QStringLiteral("SBO2"));
    createContents(buildCaption);
}

TPomocnaDialog::~TPomocnaDialog()
{
    m_guard.leave();
}

void TPomocnaDialog::createContents(const QString& buildCaption)
{
    m_slot = createField(QStringLiteral("Kontrola"));
    m_code = createField(QStringLiteral("Kontrola2"));
    m_heading = new QLabel(this);
    m_heading->setObjectName(QStringLiteral("Label1"));
    m_heading->setFont(classicFont(true));
    m_heading->setAlignment(Qt::AlignCenter);
    m_heading->setGeometry(kMargin, 3, width() - 2 * kMargin, 15);

    m_build = new TOfficeLabel(buildCaption, this);
    m_build->setObjectName(QStringLiteral("Vytvorit"));
    setHint(m_build, QStringLiteral("Vytvoří pomocnou databázi"));
    m_build->setFont(searchlook::serifFont());
    m_build->setGeometry(4, 19, width() - 8, kLineHeight);
    connect(m_build, &TOfficeLabel::clicked, this, &TPomocnaDialog::buildRequested);

    m_start = new TOfficeLabel(QStringLiteral("Začít s vyhledáváním podle vybraného klíče"), this);
    m_start->setObjectName(QStringLiteral("Zacit"));
    setHint(m_start, QStringLiteral("Zobrazí dialog pro vyhledání záznamu"));
    m_start->setFont(searchlook::serifFont());
    m_start->setGeometry(4, 37, width() - 8, kLineHeight);
    connect(m_start, &TOfficeLabel::clicked, this, &TPomocnaDialog::startRequested);

    // The red line through the middle of the start line, over its text.
    m_strike = new TPreskrtnuti(this);
    m_strike->setObjectName(QStringLiteral("C1"));
    m_strike->setGeometry(m_start->geometry());
    const QRect text = m_start->textRect();
    const int middle = text.center().y();
    m_strike->setLines({QLine(
        text.left(), middle,
        text.left() + m_start->fontMetrics().horizontalAdvance(m_start->caption()), middle)});

    auto* rule = new QFrame(this);
    rule->setFrameShape(QFrame::HLine);
    rule->setFrameShadow(QFrame::Sunken);
    rule->setGeometry(kMargin, 57, width() - 2 * kMargin, 2);
    auto* storno = new TOfficeButton(QStringLiteral("Storno"), this);
    storno->setObjectName(QStringLiteral("Storno"));
    setHint(storno, QStringLiteral("Uzavře dialogové okno"));
    storno->setGeometry(width() - kMargin - kButton.width(), 62, kButton.width(), kButton.height());
    connect(storno, &TOfficeButton::clicked, this, &TPomocnaDialog::hide);
}

QLineEdit* TPomocnaDialog::createField(const QString& name)
{
    auto* field = new QLineEdit(this);
    field->setObjectName(name);
    field->hide();
    return field;
}

int TPomocnaDialog::slot() const
{
    return m_slot->text().toInt();
}

void TPomocnaDialog::setSlot(int slot)
{
    m_slot->setText(QString::number(slot));
}

QString TPomocnaDialog::code() const
{
    return m_code->text();
}

QString TPomocnaDialog::heading() const
{
    return m_heading->text();
}

void TPomocnaDialog::setCriterion(const QString& code, const QString& heading)
{
    m_code->setText(code);
    m_heading->setText(heading);
}

bool TPomocnaDialog::isCurrent() const
{
    return m_start->isEnabled();
}

QPoint TPomocnaDialog::placement(const QPoint& searchDialog, int topOffset)
{
    int left = searchDialog.x() - 200;
    if (left < 5)
        left = searchDialog.x() + 100;
    return {left, searchDialog.y() + topOffset};
}

// A report may have left the auxiliary table filtered; the lists read it whole.
void TPomocnaDialog::testCurrency()
{
    if (TTable* auxiliary = m_sluzby.dataModule()->table(kAuxiliaryTable))
        (void)auxiliary->setFiltered(false);
    const bool current = search::SearchCurrency(m_sluzby.programFolder().programIniPath())
                             .isCurrent(m_shape, slot());
    m_strike->setVisible(!current);
    m_start->setEnabled(current);
}

void TPomocnaDialog::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (event->spontaneous())
        return;
    m_guard.enter();
    testCurrency();
    activateWindow();
    setFocus();
}

void TPomocnaDialog::hideEvent(QHideEvent* event)
{
    QDialog::hideEvent(event);
    if (!event->spontaneous())
        m_guard.leave();
}

void TPomocnaDialog::keyPressEvent(QKeyEvent* event)
{
    const auto leave = [this] { hide(); };
    if (!answerQuestionKey(event, leave, leave))
        QDialog::keyPressEvent(event);
}

void TPomocnaDialog::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QColor(0x80, 0x80, 0x80));
    painter.setBrush(searchlook::ground());
    painter.drawRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), 10, 10);
}
