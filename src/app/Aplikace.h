#pragma once

#include "ProgramFolder.h"
#include "Status.h"

#include <QList>
#include <QObject>
#include <QString>

#include <memory>

class DatabaseWindows;
class HelpWindows;
class RecordCommands;
class SearchWindows;
class ReportWindows;
class TDataModule1;
class THlavniDialog;
class TIniDialog;
class TOProgramuDialog;
class TPomocnikDialog;
class TSpusteniDialog;
class TZvuky;

// The long-lived objects of a run: the data module and every window that
// lives from the start to the end and is only shown and hidden. They are made
// once, in a fixed order with the main window first among the windows, while
// the splash window counts the progress, and they go in the reverse order.
class Aplikace final : public QObject
{
    Q_OBJECT

public:
    struct Step
    {
        QString name;
        int progress; // the splash bar after the step, -1 for no change
        void (Aplikace::*create)();
    };
    static const QList<Step>& creationOrder();

    // `instanceEndpoint` is claimed by the main window for the whole run;
    // empty claims nothing.
    Aplikace(const ProgramFolder& folder, const QString& instanceEndpoint,
             QObject* parent = nullptr);
    ~Aplikace() override;

    // Creates everything in order; `splash` may be null.
    void create(TSpusteniDialog* splash);

    TDataModule1* dataModule() const { return m_data.get(); }
    THlavniDialog* hlavni() const { return m_hlavni.get(); }
    TPomocnikDialog* pomocnik() const { return m_pomocnik.get(); }
    TIniDialog* ini() const { return m_ini.get(); }
    TOProgramuDialog* oProgramu() const { return m_oProgramu.get(); }
    HelpWindows* help() const { return m_help.get(); }
    RecordCommands* recordCommands() const { return m_recordCommands.get(); }
    DatabaseWindows* databases() const { return m_databases.get(); }
    SearchWindows* search() const { return m_search.get(); }
    ReportWindows* reports() const { return m_reports.get(); }

signals:
    void created(const QString& name);

private:
    void createDataModule();
    void createHlavni();
    void createPomocnik();
    void createNovy();
    void createUvitani();
    void createNapoveda();
    void createEditace();
    void createZrusitVolitelny();
    void createJmeno();
    void createDotazJmeno();
    void createTipy();
    void createDotazOdstranit();
    void createSestavy();
    void createOtevreni();
    void createNajit();
    void createVymazat();
    void createIni();
    void createOProgramu();
    void createDotazKonec();
    void releaseOpenKeys();

    ProgramFolder m_folder;
    QString m_endpoint;
    Status m_releaseFailure;
    TZvuky* m_zvuky;
    std::unique_ptr<TDataModule1> m_data;
    std::unique_ptr<THlavniDialog> m_hlavni;
    std::unique_ptr<TPomocnikDialog> m_pomocnik;
    std::unique_ptr<HelpWindows> m_help;
    std::unique_ptr<RecordCommands> m_recordCommands;
    std::unique_ptr<DatabaseWindows> m_databases;
    std::unique_ptr<SearchWindows> m_search;
    std::unique_ptr<ReportWindows> m_reports;
    std::unique_ptr<TIniDialog> m_ini;
    std::unique_ptr<TOProgramuDialog> m_oProgramu;
};
