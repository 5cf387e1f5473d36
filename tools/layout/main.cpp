// Lays out a program folder beside the executable; the build runs it after
// every build, and it never touches what is already there.
#include "ProgramLayout.h"

#include <QCoreApplication>
#include <QTextStream>

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QTextStream err(stderr);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() != 2) {
        err << "usage: fonarium-layout <program folder>\n";
        return 2;
    }
    programlayout::Report report;
    const Status status = programlayout::layOut(args.at(1), &report);
    for (const QString& path : report.created)
        QTextStream(stdout) << "created " << path << '\n';
    if (!status) {
        err << status.toString() << '\n';
        return 1;
    }
    return 0;
}
