#include "TZaplneni.h"

#include "TCislaMrizka.h"
#include "TGradProgress.h"

#include <QLabel>

namespace {

const QRect kCdPanel(8, 16, 170, 142);
const QRect kCdGrid(8, 20, 154, 114);
const QRect kDataPanel(186, 16, 297, 52);
const QRect kBarArea(6, 18, 285, 26);
const QRect kMcPanel(186, 72, 297, 86);
const QRect kSideA(8, 20, 136, 57);
const QRect kSideB(153, 20, 136, 57);

QGroupBox* panel(QWidget* parent, const QString& name, const QString& title, const QRect& rect)
{
    auto* box = new QGroupBox(title, parent);
    box->setObjectName(name);
    box->setGeometry(rect);
    return box;
}

TCislaMrizka* grid(QWidget* parent, const TCislaMrizka::Shape& shape, const QRect& rect)
{
    auto* numbers = new TCislaMrizka(shape, parent);
    numbers->setGeometry(rect);
    return numbers;
}

void setColours(TCislaMrizka* numbers, const QList<bool>& titled, int firstTrack)
{
    for (int i = 0; i < numbers->count(); ++i)
        numbers->setTitled(i, titled.value(firstTrack - 1 + i));
}

} // namespace

TZaplneni::TZaplneni(QWidget* parent) : QGroupBox(QStringLiteral(" Zaplnění nosiče "), parent)
{
    setObjectName(QStringLiteral("Zaplneni"));
    resize(kSize);
    createAudioCd();
    createData();
    createMc();
    coverAll();
}

QWidget* TZaplneni::createCover(QWidget* panel, const QString& name, const QRect& area)
{
    auto* cover = new QWidget(panel);
    cover->setObjectName(name);
    cover->setGeometry(area);
    cover->setAutoFillBackground(true);
    return cover;
}

void TZaplneni::createAudioCd()
{
    QGroupBox* box =
        panel(this, QStringLiteral("GroupBox6"), QStringLiteral(" Audio CD "), kCdPanel);
    m_cd = grid(box, {QStringLiteral("L"), 1, 30, 6, 1}, kCdGrid);
    m_k1 = createCover(box, QStringLiteral("K1"), kCdGrid);
    grid(m_k1, {QString(), 1, 30, 6, 1}, m_k1->rect());
}

void TZaplneni::createMc()
{
    QGroupBox* box = panel(this, QStringLiteral("GroupBox8"), QStringLiteral(" MC "), kMcPanel);
    m_sideA = grid(box, {QStringLiteral("Z"), 1, 15, 5, 1}, kSideA);
    m_sideB = grid(box, {QStringLiteral("Z"), 16, 15, 5, 1}, kSideB);
    m_k5 = createCover(box, QStringLiteral("K5"), kSideA);
    grid(m_k5, {QString(), 1, 15, 5, 1}, m_k5->rect());
    m_k4 = createCover(box, QStringLiteral("K4"), kSideB);
    grid(m_k4, {QString(), 16, 15, 5, 1}, m_k4->rect());
}

void TZaplneni::createData()
{
    QGroupBox* box =
        panel(this, QStringLiteral("GroupBox1"), QStringLiteral(" Datové CD "), kDataPanel);
    createBar(box, kBarArea, true, &m_capacity);
    m_k2 = createCover(box, QStringLiteral("K2"), kBarArea);
    createBar(m_k2, m_k2->rect(), false, &m_coverCapacity);
}

// The bar with "0" at its left end and the capacity at its right end; the
// cover's copy is empty and grey.
QWidget* TZaplneni::createBar(QWidget* parent, const QRect& area, bool live, QLabel** capacity)
{
    constexpr int kZeroWidth = 14;
    constexpr int kCapacityWidth = 52;
    auto* zero = new QLabel(QStringLiteral("0"), parent);
    zero->setGeometry(area.left(), area.top(), kZeroWidth, area.height());
    zero->setAlignment(Qt::AlignVCenter | Qt::AlignLeft);
    auto* bar = new TGradProgress(parent);
    bar->setGeometry(area.left() + kZeroWidth, area.top() + 5,
                     area.width() - kZeroWidth - kCapacityWidth - 4, area.height() - 10);
    *capacity = new QLabel(parent);
    (*capacity)->setGeometry(area.right() - kCapacityWidth + 1, area.top(), kCapacityWidth,
                             area.height());
    (*capacity)->setAlignment(Qt::AlignVCenter | Qt::AlignLeft);
    if (live) {
        bar->setObjectName(QStringLiteral("GradProgress1"));
        (*capacity)->setObjectName(QStringLiteral("Label22"));
        m_bar = bar;
    } else {
        (*capacity)->setObjectName(QStringLiteral("Label25"));
        bar->setEnabled(false);
        zero->setEnabled(false);
        (*capacity)->setEnabled(false);
    }
    return bar;
}

void TZaplneni::setCapacityText(const QString& text)
{
    m_capacity->setText(text);
    m_coverCapacity->setText(text);
}

void TZaplneni::setCovers(bool k1, bool k2, bool k4, bool k5)
{
    m_k1->setVisible(k1);
    m_k2->setVisible(k2);
    m_k4->setVisible(k4);
    m_k5->setVisible(k5);
}

void TZaplneni::coverAll()
{
    setCovers(true, true, true, true);
}

void TZaplneni::emptyBar()
{
    m_bar->setRange(0, 0);
}

void TZaplneni::showAudioCd(const QList<bool>& titled)
{
    setCovers(false, true, true, true);
    setColours(m_cd, titled, 1);
}

void TZaplneni::showMc(const QList<bool>& titled)
{
    setCovers(true, true, false, false);
    setColours(m_sideA, titled, 1);
    setColours(m_sideB, titled, 16);
}

void TZaplneni::showData()
{
    setCovers(true, false, true, true);
}

void TZaplneni::setBar(int maximum, int position)
{
    m_bar->setRange(maximum, position);
}
