#include "TStopyPage.h"

#include "NumberValidator.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>

namespace {

constexpr int kFirstRowTop = 22;
constexpr int kEditorHeight = 19;
constexpr int kTitleWidth = 178;
constexpr int kValueWidth = 56;
constexpr int kGap = 3;
constexpr int kColumnLeft[2] = {6, 258};
constexpr int kLineX = 250;

QLabel* header(QWidget* parent, const QString& name, int x, int width)
{
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setGeometry(x, 3, width, 16);
    return label;
}

} // namespace

TStopyPage::TStopyPage(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("TabSheet2"));
    createHeaders();
    for (int track = 1; track <= kTracks; ++track)
        createRow(track);
    auto* line = new QFrame(this);
    line->setObjectName(QStringLiteral("Bevel1"));
    line->setFrameShape(QFrame::VLine);
    line->setFrameShadow(QFrame::Sunken);
    line->setGeometry(kLineX, 4, 2, kFirstRowTop + kRowsPerColumn * kRowPitch - 4);
}

void TStopyPage::createHeaders()
{
    const int valueX = kTitleWidth + kGap;
    m_leftHeader = header(this, QStringLiteral("Label31"), kColumnLeft[0], kTitleWidth);
    m_leftValueHeader =
        header(this, QStringLiteral("Label32"), kColumnLeft[0] + valueX, kValueWidth);
    m_rightHeader = header(this, QStringLiteral("Label33"), kColumnLeft[1], kTitleWidth);
    m_rightValueHeader =
        header(this, QStringLiteral("Label34"), kColumnLeft[1] + valueX, kValueWidth);
}

void TStopyPage::createRow(int track)
{
    const int column = (track - 1) / kRowsPerColumn;
    const int row = (track - 1) % kRowsPerColumn;
    const int x = kColumnLeft[column];
    const int y = kFirstRowTop + row * kRowPitch;

    auto* title = new QLineEdit(this);
    title->setObjectName(QStringLiteral("M%1").arg(track));
    title->setMaxLength(50);
    title->setGeometry(x, y, kTitleWidth, kEditorHeight);
    m_titles.append(title);

    auto* value = new QLineEdit(this);
    value->setObjectName(QStringLiteral("T%1").arg(track));
    value->setMaxLength(9);
    value->setAlignment(Qt::AlignRight);
    value->setValidator(new NumberValidator(value));
    value->setGeometry(x + kTitleWidth + kGap, y, kValueWidth, kEditorHeight);
    m_values.append(value);
}

void TStopyPage::setHeaders(const QString& left, const QString& right, const QString& value)
{
    m_leftHeader->setText(left);
    m_rightHeader->setText(right);
    m_leftValueHeader->setText(value);
    m_rightValueHeader->setText(value);
}
