#include "ClipboardMarks.h"

#include <QApplication>
#include <QFocusEvent>
#include <QLineEdit>
#include <QPlainTextEdit>

namespace {

bool holds(const QWidget* editor, const QWidget* focus)
{
    return focus && (editor == focus || editor->isAncestorOf(focus));
}

} // namespace

ClipboardMarks::ClipboardMarks(QObject* parent) : QObject(parent)
{
    connect(qApp, &QApplication::focusChanged, this, &ClipboardMarks::focusChanged);
}

void ClipboardMarks::addTextEditor(QWidget* editor)
{
    m_texts.append(editor);
    m_marks.append(0);
    if (qobject_cast<QLineEdit*>(editor))
        editor->installEventFilter(this);
}

bool ClipboardMarks::eventFilter(QObject* watched, QEvent* event)
{
    auto* line = qobject_cast<QLineEdit*>(watched);
    if (!line || (event->type() != QEvent::FocusOut && event->type() != QEvent::FocusIn))
        return false;
    const bool menuBar = static_cast<QFocusEvent*>(event)->reason() == Qt::MenuBarFocusReason;
    if (event->type() == QEvent::FocusOut) {
        m_kept = menuBar && line->hasSelectedText()
                     ? KeptSelection{line, line->selectionStart(), line->selectionLength()}
                     : KeptSelection{};
    } else {
        if (menuBar && m_kept.editor == line)
            line->setSelection(m_kept.start, m_kept.length);
        m_kept = {};
    }
    return false;
}

void ClipboardMarks::addOtherEditor(QWidget* editor)
{
    m_others.append(editor);
}

int ClipboardMarks::mark(const QWidget* editor) const
{
    const qsizetype index = m_texts.indexOf(editor);
    return index < 0 ? 1 : m_marks.at(index);
}

QWidget* ClipboardMarks::target() const
{
    const qsizetype index = m_marks.indexOf(0);
    return index < 0 ? nullptr : m_texts.at(index);
}

void ClipboardMarks::focusChanged(QWidget*, QWidget* now)
{
    for (int i = 0; i < m_texts.size(); ++i) {
        if (!holds(m_texts.at(i), now))
            continue;
        for (int j = 0; j < m_marks.size(); ++j)
            m_marks[j] = j == i ? 0 : 1;
        emit entered(true);
        return;
    }
    for (const QWidget* other : std::as_const(m_others)) {
        if (holds(other, now)) {
            emit entered(false);
            return;
        }
    }
}

template <typename Action> void ClipboardMarks::forTargets(Action action) const
{
    for (int i = 0; i < m_texts.size(); ++i) {
        if (m_marks.at(i) != 0)
            continue;
        if (auto* line = qobject_cast<QLineEdit*>(m_texts.at(i)))
            action(line);
        else if (auto* text = qobject_cast<QPlainTextEdit*>(m_texts.at(i)))
            action(text);
    }
}

void ClipboardMarks::cut() const
{
    forTargets([](auto* editor) { editor->cut(); });
}

void ClipboardMarks::copy() const
{
    forTargets([](auto* editor) { editor->copy(); });
}

void ClipboardMarks::paste() const
{
    forTargets([](auto* editor) { editor->paste(); });
}
