#include "EditorParts.h"

#include "NumberValidator.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

namespace editorparts {

QLabel* caption(QWidget* parent, const QString& text, int x, int y, const QString& name)
{
    auto* label = new QLabel(text, parent);
    if (!name.isEmpty())
        label->setObjectName(name);
    label->adjustSize();
    label->move(x, y + (kEditorHeight - label->height()) / 2);
    return label;
}

int rightOf(const QWidget* widget, int gap)
{
    return widget->x() + widget->width() + gap;
}

QComboBox* listEditor(QWidget* parent, const QString& name, const QStringList& items)
{
    auto* combo = new QComboBox(parent);
    combo->setObjectName(name);
    combo->setEditable(true);
    combo->setInsertPolicy(QComboBox::NoInsert);
    combo->setMaxVisibleItems(12);
    combo->addItems(items);
    combo->lineEdit()->setMaxLength(50);
    return combo;
}

QLineEdit* numberEditor(QWidget* parent, const QString& name, int maxLength)
{
    auto* editor = new QLineEdit(parent);
    editor->setObjectName(name);
    editor->setMaxLength(maxLength);
    editor->setAlignment(Qt::AlignRight);
    editor->setValidator(new NumberValidator(editor));
    return editor;
}

} // namespace editorparts
