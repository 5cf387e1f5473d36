#pragma once

#include "Aplikace.h"
#include "DatabaseWindows.h"
#include "IniFile.h"
#include "InstanceGuard.h"
#include "ProgramFolder.h"
#include "ProgramLayout.h"
#include "TDataModule1.h"
#include "THlavniDialog.h"
#include "TOtevreniDialog.h"
#include "TPomocnikDialog.h"
#include "TestProgramFolder.h"

#include <QAction>
#include <QCoreApplication>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

// The main window with its data module and, when asked for, the assistant figure.
struct TestMainWindow
{
    explicit TestMainWindow(const TestProgramFolder& program, bool withAssistant = false)
        : data(std::make_unique<TDataModule1>(program.folder().dataFolder())),
          window(std::make_unique<THlavniDialog>(program.folder(), data.get(), nullptr))
    {
        if (withAssistant) {
            figure = std::make_unique<TPomocnikDialog>(program.path());
            window->attachAssistant(figure.get());
        }
    }
    ~TestMainWindow()
    {
        window.reset();
        figure.reset();
    }

    THlavniDialog* operator->() const { return window.get(); }
    THlavniDialog* get() const { return window.get(); }

    std::unique_ptr<TDataModule1> data;
    std::unique_ptr<THlavniDialog> window;
    std::unique_ptr<TPomocnikDialog> figure;
};

// An endpoint of our own for every test, so a running program or a test run in
// parallel never answers in its place.
inline QString testEndpoint()
{
    static int counter = 0;
    return InstanceGuard::endpointName(
        QStringLiteral("THlavniDialog"), QStringLiteral("Fonarium 2000"),
        QStringLiteral("test-%1-%2").arg(QCoreApplication::applicationPid()).arg(++counter));
}

// Runs a command the way a user can: only an existing, enabled item.
#define TRIGGER(window, name)                                                                      \
    do {                                                                                           \
        QAction* item_ = (window)->template findChild<QAction*>(QStringLiteral(name));             \
        QVERIFY2(item_, "no action " name);                                                        \
        QVERIFY2(item_->isEnabled(), "disabled action " name);                                     \
        item_->trigger();                                                                          \
    } while (false)

// The whole program started on `folder`, the standard database open in its
// window as the user opens it; nothing when it does not open.
inline std::unique_ptr<Aplikace> startOnStandardDatabase(const ProgramFolder& folder)
{
    auto aplikace = std::make_unique<Aplikace>(folder, QString());
    aplikace->create(nullptr);
    if (!aplikace->databases()->otevreniDialog()->open(
            1, QStringLiteral("Standardní databáze programu Fonarium")))
        return nullptr;
    QCoreApplication::processEvents();
    return aplikace;
}
