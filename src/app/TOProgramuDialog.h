#pragma once

#include <QDialog>

// The about window: the program's name and version, what it is for, and the
// folder it runs from.
class TOProgramuDialog final : public QDialog
{
    Q_OBJECT

public:
    explicit TOProgramuDialog(const QString& programFolder, QWidget* parent = nullptr);

    // Shows the window without waiting for it.
    void ukazat();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void createContents(const QString& programFolder);
};
