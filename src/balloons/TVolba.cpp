#include "TVolba.h"

#include "DialogLook.h"
#include "TOfficeLabel.h"
#include "TPreskrtnuti.h"

#include <QFontMetrics>
#include <QTextLayout>
#include <QtMath>

namespace {

// The text lines the label writes its caption in, as it wraps them.
QList<QLine> textLines(const TOfficeLabel& label)
{
    const QRect area = label.textRect();
    const QFontMetrics metrics(label.font());
    QTextLayout layout(label.caption(), label.font());
    QTextOption option(Qt::AlignLeft);
    option.setWrapMode(QTextOption::WordWrap);
    layout.setTextOption(option);
    QList<QLine> lines;
    layout.beginLayout();
    for (int top = area.top();; top += metrics.lineSpacing()) {
        QTextLine line = layout.createLine();
        // The label cuts off what does not fit its height.
        if (!line.isValid() || top >= area.bottom())
            break;
        line.setLineWidth(area.width());
        const int width = qMax(1, qCeil(line.naturalTextWidth()));
        const int middle = top + metrics.ascent() - metrics.xHeight() / 2;
        lines.append(QLine(area.left(), middle, area.left() + width - 1, middle));
    }
    layout.endLayout();
    return lines;
}

} // namespace

TVolba::TVolba(const QString& name, const QString& hint, QWidget* parent)
    : QWidget(parent), m_label(new TOfficeLabel(QString(), this)),
      m_preskrtnuti(new TPreskrtnuti(this))
{
    m_label->setObjectName(name);
    m_label->setFont(classicFont());
    setHint(m_label, hint);
    m_preskrtnuti->setObjectName(QStringLiteral("Preskrtnuti") + name);
    m_preskrtnuti->hide();
    connect(m_label, &TOfficeLabel::clicked, this, &TVolba::chosen);
}

void TVolba::setText(const QString& text)
{
    m_label->setCaption(text);
    updateLines();
}

QString TVolba::text() const
{
    return m_label->caption();
}

void TVolba::setStruck(bool struck)
{
    m_label->setEnabled(!struck);
    m_preskrtnuti->setVisible(struck);
    m_preskrtnuti->raise();
}

bool TVolba::isStruck() const
{
    return !m_preskrtnuti->isHidden();
}

int TVolba::strikeLines() const
{
    return isStruck() ? int(m_preskrtnuti->lines().size()) : 0;
}

void TVolba::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    m_label->setGeometry(rect());
    m_preskrtnuti->setGeometry(rect());
    updateLines();
}

void TVolba::updateLines()
{
    m_preskrtnuti->setLines(textLines(*m_label));
}
