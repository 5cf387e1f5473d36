#pragma once

#include <QString>
#include <QStringList>

class QComboBox;
class QLabel;
class QLineEdit;
class QWidget;

// The pieces the record editor's rows are made of.
namespace editorparts {

constexpr int kEditorHeight = 20;

// A caption sized to its text and centred on an editor row at `y`.
QLabel* caption(QWidget* parent, const QString& text, int x, int y, const QString& name = {});
int rightOf(const QWidget* widget, int gap);
// A list the user may also type into; choosing never adds to it.
QComboBox* listEditor(QWidget* parent, const QString& name, const QStringList& items);
// Right-aligned, taking only what may form a number.
QLineEdit* numberEditor(QWidget* parent, const QString& name, int maxLength);

} // namespace editorparts
