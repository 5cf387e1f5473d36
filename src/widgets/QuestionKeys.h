#pragma once

#include <QKeyEvent>

// The keys of every question the program asks: Enter answers yes, Esc no.
// Returns false for any other key, which the caller passes on.
template <typename Yes, typename No> bool answerQuestionKey(const QKeyEvent* event, Yes yes, No no)
{
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        yes();
        return true;
    case Qt::Key_Escape:
        no();
        return true;
    default:
        return false;
    }
}
