#include "Hlavni.h"
#include "ProgramLayout.h"

#include <QApplication>

namespace {

int warnAndEnd(QApplication& app, const ProgramFolder& folder)
{
    SecondCopy copy(folder);
    QObject::connect(&copy, &SecondCopy::finished, &app, &QCoreApplication::quit,
                     Qt::QueuedConnection);
    copy.start();
    return app.exec();
}

int run(QApplication& app, const ProgramFolder& folder)
{
    TSpusteniDialog splash;
    splash.show();
    QCoreApplication::processEvents();
    // A damaged or half-copied program folder still starts; only what is missing is made.
    programlayout::layOut(folder.programFolder());
    Aplikace aplikace(folder, THlavniDialog::instanceEndpoint());
    aplikace.create(&splash);
    splash.hide();
    aplikace.hlavni()->showMaximized();
    return app.exec();
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(THlavniDialog::kCaption);
    const ProgramFolder folder = ProgramFolder::ofApplication();
    if (InstanceGuard::isRunning(THlavniDialog::instanceEndpoint()))
        return warnAndEnd(app, folder);
    return run(app, folder);
}
