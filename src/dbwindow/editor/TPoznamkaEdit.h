#pragma once

#include <QPlainTextEdit>

// The multi-line note editor. Qt's text editors read the first format of
// pasted or dropped data without asking whether there is one, and the X11
// clipboard and selection offer data with no format at all until someone
// copies: pasting then would crash the program. Such data is ignored here,
// as an empty clipboard is by the one-line editors.
class TPoznamkaEdit final : public QPlainTextEdit
{
    Q_OBJECT

public:
    explicit TPoznamkaEdit(QWidget* parent = nullptr) : QPlainTextEdit(parent) {}

protected:
    bool canInsertFromMimeData(const QMimeData* source) const override;
    void insertFromMimeData(const QMimeData* source) override;
};
