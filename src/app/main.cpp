#include "Hlavni.h"
#include "ProgramLayout.h"

#include <QApplication>

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
    TSpusteniDialog splash;
    splash.showPainted();
    // A damaged or half-copied program folder still starts; only what is missing is made.
    programlayout::layOut(folder.programFolder());
    Aplikace aplikace(folder, THlavniDialog::instanceEndpoint());
    aplikace.create(&splash);
    splash.hide();
    QObject::connect(aplikace.hlavni(), &THlavniDialog::ended, &app, &endProgram,
                     Qt::QueuedConnection);
    aplikace.hlavni()->showMaximized();
    return app.exec();
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(THlavniDialog::kCaption);
    QApplication::setQuitOnLastWindowClosed(false);
    const ProgramFolder folder = ProgramFolder::ofApplication();
    if (InstanceGuard::isRunning(THlavniDialog::instanceEndpoint()))
        return warnAndEnd(app, folder);
    return run(app, folder);
}
