#pragma once

#include <QColor>
#include <QWidget>

// A line of text painted with a colour gradient running from its left end to
// its right end, red to blue unless told otherwise.
class TGradientText final : public QWidget
{
    Q_OBJECT

public:
    TGradientText(const QString& text, int pointSize, QWidget* parent = nullptr);

    const QString& text() const { return m_text; }
    void setColours(const QColor& from, const QColor& to);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString m_text;
    QColor m_from{0xff, 0x00, 0x00};
    QColor m_to{0x00, 0x00, 0xff};
};
