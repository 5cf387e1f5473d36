#include "StartupPresentation.h"

#include "Status.h"

#include "IniFile.h"

namespace {
const QString kOne = QStringLiteral("1");
const QString kZobrazit = QStringLiteral("Zobrazit");
const QString kKontrola = QStringLiteral("Kontrola");
const QString kNastaveni = QStringLiteral("Nastaveni");
const QString kTipy = QStringLiteral("Tipy");
} // namespace

StartupPresentation::StartupPresentation(const ProgramFolder& folder) : m_folder(folder) {}

StartupPresentation::Steps StartupPresentation::atStart(int tipy, const QString& pomocnik,
                                                        const QString& uvitani)
{
    Steps steps;
    if (tipy == 1) {
        // The tips window carries the presentation on when it closes.
        steps.tips = true;
        return steps;
    }
    if (pomocnik != kOne)
        return steps;
    steps.welcome = uvitani == kOne;
    steps.assistant = true;
    return steps;
}

StartupPresentation::Steps StartupPresentation::afterTipsClosed(const QString& kontrolaTipy,
                                                                const QString& pomocnik,
                                                                const QString& uvitani)
{
    Steps steps;
    if (kontrolaTipy == kOne)
        return steps;
    steps.welcome = pomocnik == kOne && uvitani == kOne;
    // Shown even when it was closed in the last run: whoever wants the tips
    // window at start-up gets the figure with it.
    steps.assistant = true;
    return steps;
}

StartupPresentation::Steps StartupPresentation::start(Status* written) const
{
    const IniFile program(m_folder.programIniPath());
    // A run that crashed left the mark set; without the reset this run's
    // tips window would never hand over to the welcome balloon and the figure.
    Status s = program.writeString(kKontrola, kTipy, QStringLiteral("0"));
    if (written)
        *written = s;
    return atStart(tipsAtStart() ? 1 : 0, pomocnik(), uvitani());
}

StartupPresentation::Steps StartupPresentation::tipsClosed(bool showTipsAtStart,
                                                           Status* written) const
{
    const QString figure = pomocnik();
    const QString welcome = uvitani();
    const IniFile program(m_folder.programIniPath());
    Status s = program.writeInteger(kZobrazit, kTipy, showTipsAtStart ? 1 : 0);
    const Steps steps = afterTipsClosed(program.readString(kKontrola, kTipy), figure, welcome);
    if (Status mark = program.writeString(kKontrola, kTipy, kOne); s)
        s = mark;
    if (written)
        *written = s;
    return steps;
}

bool StartupPresentation::tipsAtStart() const
{
    return IniFile(m_folder.programIniPath()).readInteger(kZobrazit, kTipy, 1) == 1;
}

QString StartupPresentation::pomocnik() const
{
    return IniFile(m_folder.suiteIniPath()).readString(kNastaveni, QStringLiteral("Pomocnik"));
}

QString StartupPresentation::uvitani() const
{
    return IniFile(m_folder.suiteIniPath()).readString(kNastaveni, QStringLiteral("Uvitani"));
}
