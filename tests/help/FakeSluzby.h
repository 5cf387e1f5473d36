#pragma once

#include "BalloonPlacement.h"
#include "BalloonRule.h"
#include "HlavniSluzby.h"
#include "IniFile.h"
#include "KindChoice.h"
#include "ProgramFolder.h"
#include "Status.h"
#include "TDataModule1.h"

#include <QMdiSubWindow>
#include <QPointer>
#include <QSet>
#include <QStringList>

#include <memory>

// The main window as the help windows see it: records what they ask of it and
// places balloons by the real arithmetic on a 1280 x 1024 screen with a
// 104 x 104 figure.
class FakeSluzby final : public HlavniSluzby
{
public:
    explicit FakeSluzby(const QString& programFolder)
        : m_folder(programFolder), m_data(std::make_unique<TDataModule1>(m_folder.dataFolder()))
    {
        figure = BalloonPlacement::initialFigurePosition(screen, kFigure);
    }

    const ProgramFolder& programFolder() const override { return m_folder; }
    TDataModule1* dataModule() const override { return m_data.get(); }

    void setIndicator(const QString& name, bool visible) override
    {
        if (visible)
            indicators.insert(name);
        else
            indicators.remove(name);
    }
    bool isIndicatorVisible(const QString& name) const override
    {
        return indicators.contains(name);
    }

    void setMainEnabled(bool enabled) override
    {
        mainEnabled = enabled;
        log.append(enabled ? QStringLiteral("main on") : QStringLiteral("main off"));
    }
    void setAssistantEnabled(bool enabled) override { assistantEnabled = enabled; }

    QPoint placeBalloon(const BalloonRule& rule, const QSize& dialogSize) override
    {
        rules.append(rule);
        log.append(QStringLiteral("place %1x%2").arg(dialogSize.width()).arg(dialogSize.height()));
        if (IniFile(m_folder.suiteIniPath())
                .readString(QStringLiteral("Nastaveni"), QStringLiteral("Pomocnik")) !=
            QStringLiteral("1"))
            showAssistant();
        const BalloonPlacement placement =
            BalloonPlacement::place(rule, screen, QRect(figure, kFigure), kFigure, dialogSize);
        figure = placement.figure;
        return placement.dialog;
    }
    void showAssistant() override
    {
        assistantShown = true;
        log.append(QStringLiteral("assistant"));
    }

    void playSound(const QString& fileName) override { sounds.append(fileName); }
    int activeDatabaseSlot() const override { return slot; }

    void addDocumentWindow(QMdiSubWindow* window) override { documents.append(window); }
    QMdiSubWindow* documentWindow(int wanted) const override
    {
        const QString name = QStringLiteral("Databaze%1Dialog").arg(wanted);
        for (QMdiSubWindow* window : documents) {
            if (window && window->objectName() == name)
                return window;
        }
        return nullptr;
    }
    void setCommandAvailable(const QString& name, bool available) override
    {
        if (available)
            unavailable.remove(name);
        else
            unavailable.insert(name);
    }
    void setPartEnabled(const QString& name, bool enabled) override
    {
        if (enabled)
            disabledParts.remove(name);
        else
            disabledParts.insert(name);
    }
    void closeMain() override { log.append(QStringLiteral("close main")); }
    void reportError(const Status& status) override { errors.append(status.message()); }
    QPrinter* printer() const override { return chosenPrinter; }
    KindChoice& kindChoice() const override { return *m_kinds; }
    ReportMode reportMode() const override { return mode; }
    void setReportMode(ReportMode wanted) override { mode = wanted; }

    static bool sameRule(const BalloonRule& a, const BalloonRule& b)
    {
        return a.kind == b.kind && a.roomLeft == b.roomLeft && a.roomTop == b.roomTop &&
               a.homeRight == b.homeRight && a.homeBottom == b.homeBottom && a.tail == b.tail &&
               a.hidesFigure == b.hidesFigure;
    }

    static constexpr QSize kFigure{104, 104};
    const QRect screen{0, 0, 1280, 1024};
    QPoint figure;
    QSet<QString> indicators;
    bool mainEnabled = true;
    bool assistantEnabled = true;
    bool assistantShown = false;
    QList<BalloonRule> rules;
    QStringList sounds;
    QStringList log;
    QStringList errors;
    int slot = 0;
    QList<QPointer<QMdiSubWindow>> documents;
    QSet<QString> unavailable;
    QSet<QString> disabledParts;
    QPrinter* chosenPrinter = nullptr;
    ReportMode mode = ReportMode::Preview;

private:
    ProgramFolder m_folder;
    std::unique_ptr<TDataModule1> m_data;
    std::unique_ptr<KindChoice> m_kinds = std::make_unique<KindChoice>();
};
