#include "Hlavni.h"
#include "KeyNames.h"
#include "ProgramLayout.h"
#include "WorkingFolder.h"

#include <QApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QTextStream>
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

int run(QApplication& app, const workingfolder::Choice& choice)
{
    auto splash = std::make_unique<TSpusteniDialog>();
    splash->showPainted();
    // A damaged or half-copied program folder still starts; only what is missing is made.
    const Status laidOut = workingfolder::prepare(choice, QCoreApplication::applicationDirPath());
    // Told on the terminal too: with a folder that takes no data the balloon
    // may be all the user sees, and a script sees nothing else.
    if (!laidOut)
        QTextStream(stderr) << laidOut.message() << '\n';
    const ProgramFolder folder(choice.folder);
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

struct Options
{
    QString folder;
    bool help = false;
    QString wrong;
};

// Only our own options; Qt takes its own (-platform, -style) out of the list.
Options readOptions(int argc, char* argv[])
{
    Options options;
    const QString folderOption = QStringLiteral("--slozka");
    for (int i = 1; i < argc; ++i) {
        const QString arg = QString::fromLocal8Bit(argv[i]);
        if (arg == QLatin1String("--help") || arg == QLatin1String("-h"))
            options.help = true;
        else if (arg == folderOption && i + 1 < argc)
            options.folder = QString::fromLocal8Bit(argv[++i]);
        else if (arg.startsWith(folderOption + QLatin1Char('=')))
            options.folder = arg.mid(folderOption.size() + 1);
        else if (arg == folderOption)
            options.wrong = QStringLiteral("Volba --slozka potřebuje název složky.");
    }
    return options;
}

int printHelp(int argc, char* argv[], const Options& options)
{
    QCoreApplication app(argc, argv);
    const auto choice =
        workingfolder::choose(QCoreApplication::applicationDirPath(), options.folder);
    QTextStream out(stdout);
    out << "Fonarium 2000 – katalog zvukových nosičů\n\n"
           "Použití: fonarium2000 [--slozka SLOŽKA]\n\n"
           "  --slozka SLOŽKA  data a nastavení programu ve zvolené složce\n"
           "  --help           vypíše tuto nápovědu\n\n"
        << "Složka programu: " << QDir::toNativeSeparators(QCoreApplication::applicationDirPath())
        << "\nSložka s daty:   " << QDir::toNativeSeparators(choice.folder)
        << (choice.perUser ? " (osobní složka uživatele; složka programu je jen pro čtení)" : "")
        << '\n';
    return 0;
}

} // namespace

int main(int argc, char* argv[])
{
    const Options options = readOptions(argc, argv);
    if (!options.wrong.isEmpty()) {
        QTextStream(stderr) << options.wrong << '\n';
        return 2;
    }
    if (options.help)
        return printHelp(argc, argv, options);
    QApplication app(argc, argv);
    QApplication::setApplicationName(THlavniDialog::kCaption);
    QApplication::setQuitOnLastWindowClosed(false);
    QTranslator czech;
    KeyNames keys;
    speakCzech(app, czech, keys);
    const auto choice =
        workingfolder::choose(QCoreApplication::applicationDirPath(), options.folder);
    if (InstanceGuard::isRunning(THlavniDialog::instanceEndpoint()))
        return warnAndEnd(app, ProgramFolder(choice.folder));
    return run(app, choice);
}
