#pragma once

#include <QStringList>

#include <optional>

class QWidget;

// The file dialogs of the reports behind a seam: tests give the name the user
// would have chosen (an empty one for a cancel) and no window comes up.
class FileChooser final
{
public:
    static QString open(QWidget* parent, const QString& title, const QStringList& filters,
                        const QString& folder = {});
    static QString save(QWidget* parent, const QString& title, const QString& filter,
                        const QString& suggested);

    static void setNextAnswer(std::optional<QString> answer);

private:
    static std::optional<QString> takeAnswer();
};
