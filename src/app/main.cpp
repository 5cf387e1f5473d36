#include "Data.h"

#include <QApplication>
#include <QLabel>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Fonarium 2000"));
    const ProgramFolder folder = ProgramFolder::ofApplication();
    QLabel window(QStringLiteral("Fonarium 2000\nverze 5.0\n\nData: %1").arg(folder.dataFolder()));
    window.setWindowTitle(QStringLiteral("Fonarium 2000"));
    window.setAlignment(Qt::AlignCenter);
    window.resize(480, 200);
    window.show();
    return app.exec();
}
