#pragma once

#include "TBublina.h"

class HlavniSluzby;

// The question whether to put the program's settings back as a new user has
// them: all bars shown, no database open, no picture on the labels, the
// search table out of date. It stands as a balloon beside the assistant.
class TIniDialog final : public TBublina
{
    Q_OBJECT

public:
    static constexpr QSize kSize{330, 125};

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
    void keyPressEvent(QKeyEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void createContents();
    void yes();
    void no();

    HlavniSluzby& m_sluzby;
    bool m_up = false;
};
