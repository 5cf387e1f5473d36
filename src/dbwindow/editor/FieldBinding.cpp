#include "FieldBinding.h"

#include "TDatumEdit.h"
#include "TTable.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>

void FieldBinding::add(QWidget* editor, const QString& field, const QString& name)
{
    m_links.append({editor, field, name});
}

const FieldBinding::Link* FieldBinding::linkOf(const QWidget* editor) const
{
    for (const Link& link : m_links) {
        if (link.editor == editor)
            return &link;
    }
    return nullptr;
}

void FieldBinding::load(const TTable& table) const
{
    for (const Link& link : m_links)
        setText(link.editor, table.fieldText(link.field));
}

Status FieldBinding::store(TTable& table, const Link& link) const
{
    return table.setFieldText(link.field, text(link.editor));
}

FieldBinding::Failure FieldBinding::storeAll(TTable& table) const
{
    for (const Link& link : m_links) {
        const Status status = store(table, link);
        if (!status)
            return {link.editor,
                    Status::error(QStringLiteral("%1: %2").arg(link.name, status.message()),
                                  status.detail())};
    }
    return {};
}

QString FieldBinding::text(const QWidget* editor)
{
    if (auto* line = qobject_cast<const QLineEdit*>(editor))
        return line->text();
    if (auto* combo = qobject_cast<const QComboBox*>(editor))
        return combo->currentText();
    if (auto* date = qobject_cast<const TDatumEdit*>(editor))
        return date->text();
    if (auto* note = qobject_cast<const QPlainTextEdit*>(editor))
        return note->toPlainText();
    return {};
}

void FieldBinding::setText(QWidget* editor, const QString& text)
{
    if (auto* line = qobject_cast<QLineEdit*>(editor)) {
        if (line->text() != text)
            line->setText(text);
    } else if (auto* combo = qobject_cast<QComboBox*>(editor)) {
        const int index = combo->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive);
        combo->setCurrentIndex(index);
        if (index < 0)
            combo->setEditText(text);
    } else if (auto* date = qobject_cast<TDatumEdit*>(editor)) {
        date->setText(text);
    } else if (auto* note = qobject_cast<QPlainTextEdit*>(editor)) {
        if (note->toPlainText() != text)
            note->setPlainText(text);
    }
}
