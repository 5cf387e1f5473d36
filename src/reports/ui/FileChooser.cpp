#include "FileChooser.h"

#include <QFileDialog>

namespace {
std::optional<QString>& nextAnswer()
{
    static std::optional<QString> answer;
    return answer;
}
} // namespace

std::optional<QString> FileChooser::takeAnswer()
{
    std::optional<QString> answer = nextAnswer();
    nextAnswer().reset();
    return answer;
}

void FileChooser::setNextAnswer(std::optional<QString> answer)
{
    nextAnswer() = std::move(answer);
}

QString FileChooser::open(QWidget* parent, const QString& title, const QStringList& filters,
                          const QString& folder)
{
    if (std::optional<QString> answer = takeAnswer())
        return *answer;
    return QFileDialog::getOpenFileName(parent, title, folder, filters.join(QStringLiteral(";;")));
}

QString FileChooser::save(QWidget* parent, const QString& title, const QString& filter,
                          const QString& suggested)
{
    if (std::optional<QString> answer = takeAnswer())
        return *answer;
    return QFileDialog::getSaveFileName(parent, title, suggested, filter);
}
