#pragma once

#include <QList>
#include <QObject>

class QWidget;

// Which text editor cut, copy and paste act on. Every text editor carries a
// mark: 0 for the one that last received the focus, 1 for the others. All
// start at 0; the clipboard commands stay disabled until the first editor is
// entered, so that decides the target. Entering any other editor of the
// record leaves the marks alone but disables the commands.
class ClipboardMarks final : public QObject
{
    Q_OBJECT

public:
    explicit ClipboardMarks(QObject* parent);

    void addTextEditor(QWidget* editor);
    void addOtherEditor(QWidget* editor);

    int mark(const QWidget* editor) const;
    // The first text editor marked 0, null before any was registered.
    QWidget* target() const;

    // Applied to every text editor marked 0, in the order they were added.
    void cut() const;
    void copy() const;
    void paste() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

signals:
    // A record editor received the focus; `textEditor` tells whether the
    // clipboard commands now apply.
    void entered(bool textEditor);

private:
    void focusChanged(QWidget* old, QWidget* now);
    template <typename Action> void forTargets(Action action) const;

    // A one-line editor forgets its selection when the menu bar takes the
    // keyboard (Alt, an access key); it gets it back when the menu returns
    // the focus, before the chosen command runs.
    struct KeptSelection
    {
        QObject* editor = nullptr;
        int start = 0;
        int length = 0;
    };
    KeptSelection m_kept;
    QList<QWidget*> m_texts;
    QList<int> m_marks;
    QList<QWidget*> m_others;
};
