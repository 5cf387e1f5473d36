#pragma once

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QString>
#include <QTest>

// Puts a stand-in for the manual launcher or its start page into a program
// folder. The launcher is a shell script that writes its working directory
// and its parameters to "launched.txt" beside itself.
namespace manualfiles {

inline void writeFile(const QString& path, const QByteArray& content, bool executable = false)
{
    QVERIFY(QDir().mkpath(QFileInfo(path).absolutePath()));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(content);
    file.close();
    if (executable)
        QVERIFY(file.setPermissions(file.permissions() | QFileDevice::ExeOwner));
}

inline void addLauncher(const QString& folder, const QString& name, bool executable = true)
{
    writeFile(folder + QLatin1Char('/') + name,
              "#!/bin/sh\n"
              "pwd > launched.tmp\n"
              "for a in \"$@\"; do echo \"$a\" >> launched.tmp; done\n"
              "mv launched.tmp launched.txt\n",
              executable);
}

inline void addPage(const QString& folder, const QString& relative)
{
    writeFile(folder + QLatin1Char('/') + relative, "<html><body>Manuál</body></html>\n");
}

inline QString launchedReport(const QString& folder)
{
    return folder + QStringLiteral("/launched.txt");
}

} // namespace manualfiles
