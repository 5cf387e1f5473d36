#include "TUvitaniDialog.h"

#include "BalloonRule.h"
#include "DialogLook.h"
#include "ElectronicManual.h"
#include "HlavniSluzby.h"
#include "IniFile.h"
#include "ProgramFolder.h"
#include "TOfficeLabel.h"

#include <QCheckBox>
#include <QFrame>
#include <QHideEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QShowEvent>

namespace {
const QString kNastaveni = QStringLiteral("Nastaveni");
const QString kUvitani = QStringLiteral("Uvitani");

} // namespace

TUvitaniDialog::TUvitaniDialog(HlavniSluzby& sluzby, QWidget* parent)
    : TBalloonDialog(sluzby, QSize(389, 140), parent), m_guard(sluzby, QStringLiteral("SBO8"))
{
    setObjectName(QStringLiteral("UvitaniDialog"));
    setWindowTitle(QStringLiteral("Vítejte"));
    setHint(this, QStringLiteral("Uvítací dialog"));
    setFont(classicFont(false));
    createGreeting();
    createCommands();
    createCheckBox();
}

void TUvitaniDialog::createGreeting()
{
    const QStringList lines = {
        QStringLiteral("Pomocník Korvex je připraven poradit Vám v nesnázích."),
        QStringLiteral("Stačí si pouze vybrat, jakou pomoc potřebujete.")};
    for (int i = 0; i < lines.size(); ++i) {
        auto* line = new QLabel(lines.at(i), this);
        line->setObjectName(QStringLiteral("Label%1").arg(i + 1));
        line->setFont(classicFont(true));
        line->setGeometry(12, 8 + i * 16, width() - 24, 16);
    }
}

TOfficeLabel* TUvitaniDialog::addCommand(const QString& name, const QString& caption,
                                         const QString& hint, int y)
{
    auto* command = new TOfficeLabel(caption, this);
    command->setObjectName(name);
    command->setFont(classicFont());
    setHint(command, hint);
    command->setGeometry(18, y, width() - 36, 17);
    return command;
}

void TUvitaniDialog::createCommands()
{
    TOfficeLabel* list =
        addCommand(QStringLiteral("OfficeLabel1"),
                   QStringLiteral("Zobrazit úplný seznam témat nápovědy programu Fonarium 2000"),
                   QStringLiteral("Zobrazí úplný seznam témat nápovědy"), 46);
    connect(list, &TOfficeLabel::clicked, this, &TUvitaniDialog::openHelpList);
    m_manual = addCommand(QStringLiteral("OfficeLabel2"),
                          QStringLiteral("Spustit elektronický manuál programu Fonarium 2000"),
                          QStringLiteral("Spustí elektronický manuál pro Fonarium 2000"), 63);
    connect(m_manual, &TOfficeLabel::clicked, this, &TUvitaniDialog::startManual);
    TOfficeLabel* work = addCommand(QStringLiteral("OfficeLabel3"),
                                    QStringLiteral("Začít pracovat s programem Fonarium 2000"),
                                    QStringLiteral("Zahájí práci s programem"), 80);
    connect(work, &TOfficeLabel::clicked, this, &TUvitaniDialog::close);
}

void TUvitaniDialog::createCheckBox()
{
    auto* rule = new QFrame(this);
    rule->setFrameShape(QFrame::HLine);
    rule->setFrameShadow(QFrame::Sunken);
    rule->setGeometry(10, 101, width() - 20, 2);
    m_checkBox =
        new QCheckBox(QStringLiteral("Zobrazit tento dialog při každém spuštění programu"), this);
    m_checkBox->setObjectName(QStringLiteral("CheckBox1"));
    m_checkBox->setGeometry(12, 105, width() - 24, 18);
}

void TUvitaniDialog::showAtStart()
{
    // The figure is only brought out after it has made room, never hidden first.
    const QPoint at = sluzby().placeBalloon(BalloonRule::welcomeAtStart(), size());
    sluzby().showAssistant();
    sluzby().setMainEnabled(true);
    sluzby().setAssistantEnabled(true);
    m_checkBox->setChecked(true);
    showAt(at);
}

void TUvitaniDialog::showFromFigure()
{
    if (isVisible())
        return;
    showBeside(BalloonRule::welcome());
}

void TUvitaniDialog::showEvent(QShowEvent* event)
{
    TBalloonDialog::showEvent(event);
    if (event->spontaneous())
        return;
    // The manual may have been installed or removed since the last showing.
    m_manual->setEnabled(ElectronicManual(sluzby().programFolder()).isInstalled());
    if (IniFile(sluzby().programFolder().suiteIniPath()).readString(kNastaveni, kUvitani) ==
        QStringLiteral("1"))
        m_checkBox->setChecked(true);
    m_guard.enter();
}

void TUvitaniDialog::hideEvent(QHideEvent* event)
{
    TBalloonDialog::hideEvent(event);
    if (event->spontaneous())
        return;
    // However the balloon is left, the box keeps what the user made of it.
    saveCheckBox();
    m_guard.leave();
}

void TUvitaniDialog::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        close();
        return;
    }
    TBalloonDialog::keyPressEvent(event);
}

void TUvitaniDialog::openHelpList()
{
    close();
    emit helpListRequested();
}

void TUvitaniDialog::startManual()
{
    // The balloon stays: the manual runs beside the program.
    ElectronicManual(sluzby().programFolder()).start();
}

void TUvitaniDialog::saveCheckBox()
{
    if (Status s =
            IniFile(sluzby().programFolder().suiteIniPath())
                .writeString(kNastaveni, kUvitani,
                             m_checkBox->isChecked() ? QStringLiteral("1") : QStringLiteral("0"));
        !s)
        sluzby().reportError(s);
}
