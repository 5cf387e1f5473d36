#include "Hlavni.h"
#include "KeyNames.h"
#include "ProgramLayout.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QTranslator>

#include <memory>

namespace {

// Ends the event loop without closing the remaining windows: closing the
// assistant figure would tell the next run that the user put it away.
void endProgram()
{
    QCoreApplication::exit(0);
}

int warnAndEnd(QApplication& app, const ProgramFolder& folder)
{
    SecondCopy copy(folder);
    QObject::connect(&copy, &SecondCopy::finished, &app, &endProgram, Qt::QueuedConnection);
    copy.start();
    return app.exec();
}

int run(QApplication& app, const ProgramFolder& folder)
{
    auto splash = std::make_unique<TSpusteniDialog>();
    splash->showPainted();
    // A damaged or half-copied program folder still starts; only what is missing is made.
    const Status laidOut = programlayout::layOut(folder.programFolder());
    Aplikace aplikace(folder, THlavniDialog::instanceEndpoint());
    aplikace.create(splash.get());
    splash.reset();
    if (!laidOut)
        aplikace.hlavni()->reportError(laidOut);
    QObject::connect(aplikace.hlavni(), &THlavniDialog::ended, &app, &endProgram,
                     Qt::QueuedConnection);
    aplikace.hlavni()->showMaximized();
    return app.exec();
}

// The program speaks Czech whatever the desktop's language; the platform's own
// dialogs (printer set-up) follow when Qt's Czech texts are installed.
void speakCzech(QApplication& app, QTranslator& translator, KeyNames& keys)
{
    if (translator.load(QLocale(QLocale::Czech, QLocale::CzechRepublic), QStringLiteral("qtbase"),
                        QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        app.installTranslator(&translator);
    // Installed last, so it is asked first.
    app.installTranslator(&keys);
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(THlavniDialog::kCaption);
    QApplication::setQuitOnLastWindowClosed(false);
    QTranslator czech;
    KeyNames keys;
    speakCzech(app, czech, keys);
    const ProgramFolder folder = ProgramFolder::ofApplication();
    if (InstanceGuard::isRunning(THlavniDialog::instanceEndpoint()))
        return warnAndEnd(app, folder);
    return run(app, folder);
}
