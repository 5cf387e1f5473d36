#pragma once

#include "TBublinaOtazka.h"

// The question whether to put the program's settings back as a new user has
// them: all bars shown, no database open, no picture on the labels, the
// search table out of date. It stands as a balloon beside the assistant.
class TIniDialog final : public TBublinaOtazka
{
    Q_OBJECT

public:
    struct Key
    {
        QString section;
        QString key;
        QString value;
    };
    // What "Ano" writes, in this order.
    static const QList<Key>& restoredKeys();

    explicit TIniDialog(HlavniSluzby& sluzby, QWidget* parent = nullptr);

    // Shows the question.
    void ask();

signals:
    // The settings were written back; the main window brings its bars back.
    void restored();

protected:
    void yes() override;
};
