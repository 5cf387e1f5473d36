#pragma once

#include "Status.h"

#include <QObject>
#include <QString>

#include <functional>

class HlavniSluzby;
class TDatabazeDialog;

// The CSV commands of the Soubor menu: the database in front goes out to a
// file in its window's index order and kind filter, or takes carriers in from
// a file. Failures come up in the program's message balloon.
class CsvCommands final : public QObject
{
    Q_OBJECT

public:
    explicit CsvCommands(HlavniSluzby& sluzby, QObject* parent = nullptr);

    void exportFront();
    void importFront();

    // Asks for the file: `saving` for the export; empty when the user gives up.
    // The file dialog unless a test answers in its place.
    using FileChooser = std::function<QString(bool saving, const QString& suggested)>;
    void setFileChooser(FileChooser chooser) { m_chooser = std::move(chooser); }

signals:
    // A command ran to its end: the file written or the carriers taken in.
    void done(int carriers);

private:
    TDatabazeDialog* frontWindow() const;
    Status exportTo(TDatabazeDialog& window, const QString& path, int* written);
    Status importFrom(TDatabazeDialog& window, const QString& path, int* read);
    void forgetSearchCopies(int slot) const;
    QString chooseFile(bool saving, const QString& suggested) const;

    HlavniSluzby& m_sluzby;
    FileChooser m_chooser;
};
