#include "TNahledDialog.h"

#include "BalloonRule.h"
#include "CarrierKind.h"
#include "DialogLook.h"
#include "HlavniSluzby.h"
#include "TVolba.h"

#include <QLabel>
#include <QShowEvent>

namespace {
const QString kPreviewLine = QStringLiteral("náhledových sestav");
const QString kPrintLine = QStringLiteral("tiskových sestav");
// The performer list means nothing for data and MP3 discs.
const QStringList kNoPerformerFilters{QStringLiteral("NO2"), QStringLiteral("NO5")};
} // namespace

TNahledDialog::TNahledDialog(HlavniSluzby& sluzby, QWidget* parent)
    : TSestavyBublina(
          sluzby, QStringLiteral("SBO1"),
          {QStringLiteral("Vyberte jednu z následujících"), kPreviewLine},
          {{"OfficeLabel1", "Abecední seznam nosičů", "Zobrazí seznam abecedních sestav nosičů"},
           {"OfficeLabel4", "Vybraný nosič", "Zobrazí seznam abecedních sestav nosičů"},
           {"OfficeLabel2", "Abecední seznam interpretů",
            "Použije setavu pro abecední seznam interpretů"},
           {"OfficeLabel3", "Popisky nosiče", "Použije setavu pro popisky nosičů"}},
          parent)
{
    setObjectName(QStringLiteral("NahledDialog"));
    setWindowTitle(QStringLiteral("Sestavy"));
    setHint(this, QStringLiteral("Výběr tiskových/náhledových sestav"));
}

void TNahledDialog::setSecondLevel(const QString& item, SecondLevel open, QWidget* dialog)
{
    m_secondLevels.insert(item, std::move(open));
    if (auto* bubble = qobject_cast<TSestavyBublina*>(dialog)) {
        bubble->guard().setBeneath(this, QStringLiteral("SBO1"));
        connect(bubble, &TSestavyBublina::closed, this, [this] { setEnabled(true); });
    }
}

QChar TNahledDialog::mode() const
{
    return headingLine(1)->text() == kPrintLine ? QLatin1Char('T') : QLatin1Char('N');
}

void TNahledDialog::open(Mode mode, int slot, const QString& kind)
{
    if (slot >= 1 && slot <= 4) {
        m_slot = QString::number(slot);
        m_kind = kind;
    }
    headingLine(1)->setText(mode == Mode::Preview ? kPreviewLine : kPrintLine);
    sluzby().setReportMode(mode == Mode::Preview ? ReportMode::Preview : ReportMode::Print);
    setEnabled(true);
    applyAvailability();
    if (!isVisible())
        showBeside(BalloonRule::reportChooser());
    setFocus();
}

void TNahledDialog::applyAvailability()
{
    const auto offered = [this](const QString& item) { return m_secondLevels.contains(item); };
    item("OfficeLabel1")->setStruck(!offered("OfficeLabel1"));
    item("OfficeLabel4")->setStruck(!offered("OfficeLabel4"));
    // An LP has no labels to cut out.
    const auto kind = carrierkind::parse(m_kind);
    item("OfficeLabel3")->setStruck(!kind || *kind == CarrierKind::Lp || !offered("OfficeLabel3"));
    const QString filter = m_kindChoice ? m_kindChoice() : QString();
    item("OfficeLabel2")
        ->setStruck(kNoPerformerFilters.contains(filter) || !offered("OfficeLabel2"));
}

void TNahledDialog::showEvent(QShowEvent* event)
{
    const bool opening = !event->spontaneous() && !guard().isUp();
    TSestavyBublina::showEvent(event);
    if (opening)
        sluzby().playSound(QStringLiteral("Dialog.wav"));
}

QPoint TNahledDialog::secondLevelPosition(const QString& item, const QPoint& chooser)
{
    int left = chooser.x() - 100;
    if (left < 5)
        left = chooser.x() + 100;
    int down = 60;
    if (item == QLatin1String("OfficeLabel1"))
        down = 30;
    else if (item == QLatin1String("OfficeLabel4"))
        down = 64;
    return {left, chooser.y() + down};
}

void TNahledDialog::choose(const QString& name)
{
    const auto open = m_secondLevels.constFind(name);
    if (open == m_secondLevels.cend() || item(name)->isStruck())
        return;
    setEnabled(false);
    const QString heading = item(name)->text();
    (*open)({m_slot, m_kind, mode(), heading}, secondLevelPosition(name, pos()));
}
