#pragma once

#include <QTranslator>

// The names of keys in menus as the program writes them: "Enter", "Ctrl+Del",
// "Ctrl+Ins", "Esc". Qt's Czech texts spell some keys out ("Delete",
// "Insert") and Qt calls the main Enter key "Return"; installed after them,
// this translator answers for the key names and passes every other text on.
class KeyNames final : public QTranslator
{
    Q_OBJECT

public:
    explicit KeyNames(QObject* parent = nullptr) : QTranslator(parent) {}

    QString translate(const char* context, const char* sourceText,
                      const char* disambiguation = nullptr, int n = -1) const override;
    bool isEmpty() const override { return false; }
};
