#include "TStavovyRadek.h"

#include "Obrazky.h"
#include "TIndikator.h"

#include <QHBoxLayout>
#include <QLabel>

namespace {
const QString kBlanks = QStringLiteral("      ");
constexpr QSize kIndicator(16, 16);

// Which dialog each activity indicator stands for, drawn as its picture.
const QList<QPair<QString, QString>>& activityIndicators()
{
    static const QList<QPair<QString, QString>> list{
        {"SBO1", "tisk"},    {"SBO2", "najit"},     {"SBO3", "otevrit"},  {"SBO4", "volitelna"},
        {"SBO6", "otaznik"}, {"SBO7", "vykricnik"}, {"SBO8", "napoveda"}, {"SBO10", "pripraven"}};
    return list;
}
} // namespace

TStavovyRadek::TStavovyRadek(QWidget* parent) : QStatusBar(parent)
{
    setObjectName(QStringLiteral("StavovyRadek"));
    createPanel1();
    createPanel2();
    createPanel3();
}

QWidget* TStavovyRadek::createPanel(const QString& name, int width)
{
    auto* panel = new QFrame(this);
    panel->setObjectName(name);
    panel->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    panel->setFixedWidth(width);
    panel->setMinimumHeight(22);
    addWidget(panel);
    return panel;
}

void TStavovyRadek::createPanel1()
{
    QWidget* panel = createPanel(QStringLiteral("StavovyPanel1"), kPanel1Width);
    auto* layout = new QHBoxLayout(panel);
    layout->setContentsMargins(3, 0, 3, 0);
    layout->setSpacing(0);
    auto* icon = new QLabel(panel);
    icon->setPixmap(obrazky::obrazek(QStringLiteral("radek"), kIndicator));
    layout->addWidget(icon);
    m_hint = new QLabel(kBlanks, panel);
    m_hint->setObjectName(QStringLiteral("StavovyText1"));
    // A long hint is cut at the panel edge instead of widening the panel.
    m_hint->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    layout->addWidget(m_hint, 1);
}

void TStavovyRadek::createPanel2()
{
    QWidget* panel = createPanel(QStringLiteral("StavovyPanel2"), kPanel2Width);
    // All indicators share one place; the dialogs show one at a time.
    for (const auto& [name, picture] : activityIndicators())
        addIndicator(panel, name, obrazky::obrazek(picture, kIndicator), 3);
}

void TStavovyRadek::createPanel3()
{
    QWidget* panel = createPanel(QStringLiteral("StavovyPanel3"), kPanel3Width);
    for (int slot = 1; slot <= 4; ++slot)
        addIndicator(panel, QStringLiteral("SBD%1").arg(slot), obrazky::slot(slot, kIndicator), 3);
    m_database = new QLabel(panel);
    m_database->setObjectName(QStringLiteral("StavovyText3"));
    m_database->setGeometry(20, 0, kPanel3Width - 22, 22);
}

TIndikator* TStavovyRadek::addIndicator(QWidget* panel, const QString& name, const QPixmap& picture,
                                        int left)
{
    auto* indicator = new TIndikator(picture, panel);
    indicator->setObjectName(name);
    indicator->setGeometry(left, 3, kIndicator.width(), kIndicator.height());
    indicator->hide();
    m_indicators.insert(name, indicator);
    return indicator;
}

void TStavovyRadek::setHint(const QString& hint)
{
    m_hint->setText(kBlanks + hint);
}

QString TStavovyRadek::panelText(int panel) const
{
    switch (panel) {
    case 1:
        return m_hint->text();
    case 3:
        return m_database->text();
    default:
        return {};
    }
}

bool TStavovyRadek::hasIndicator(const QString& name) const
{
    return m_indicators.contains(name);
}

void TStavovyRadek::setIndicator(const QString& name, bool visible)
{
    if (TIndikator* indicator = m_indicators.value(name))
        indicator->setVisible(visible);
}

bool TStavovyRadek::isIndicatorVisible(const QString& name) const
{
    const TIndikator* indicator = m_indicators.value(name);
    return indicator && !indicator->isHidden();
}

void TStavovyRadek::setDatabase(int slot, const QString& caption)
{
    for (int i = 1; i <= 4; ++i)
        setIndicator(QStringLiteral("SBD%1").arg(i), i == slot);
    m_database->setText(slot ? kBlanks + caption : QString());
}
