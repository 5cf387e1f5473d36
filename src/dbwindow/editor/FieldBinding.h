#pragma once

#include "Status.h"

#include <QList>
#include <QString>

class QWidget;
class TTable;

// The record editors and the fields they show and write. The text of an
// editor is the field's text in the table's display form.
class FieldBinding final
{
public:
    struct Link
    {
        QWidget* editor;
        QString field;
        QString name; // how a message names the editor: "Délka nosiče", "Stopa 5"
    };

    void add(QWidget* editor, const QString& field, const QString& name);
    const QList<Link>& links() const { return m_links; }
    const Link* linkOf(const QWidget* editor) const;

    void load(const TTable& table) const;
    // Writes one editor's text into its field; the table refuses what does
    // not convert or fit.
    Status store(TTable& table, const Link& link) const;

    struct Failure
    {
        QWidget* editor = nullptr;
        Status status;
    };
    // Writes every editor in turn and stops at the first refusal, whose
    // message names the editor.
    Failure storeAll(TTable& table) const;

    static QString text(const QWidget* editor);
    static void setText(QWidget* editor, const QString& text);

private:
    QList<Link> m_links;
};
