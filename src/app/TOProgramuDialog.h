#pragma once

#include <QDialog>

// The about window: the program's name and version, what it is for, the
// folder it runs from and the folder that holds its data and settings.
class TOProgramuDialog final : public QDialog
{
    Q_OBJECT

public:
    // `programFolder`: the folder the program works in (its data and settings).
    explicit TOProgramuDialog(const QString& programFolder, QWidget* parent = nullptr);

    // Shows the window without waiting for it.
    void ukazat();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void createContents(const QString& programFolder);
};
