#pragma once

#include <QWidget>

class TOfficeLabel;
class TPreskrtnuti;

// One choosable entry of the database dialogs: an office label that may be
// struck through. A struck entry is disabled and carries a red line through
// each of its text lines.
class TVolba final : public QWidget
{
    Q_OBJECT

public:
    // `name` is the object name of the label, which tests and hints go by.
    TVolba(const QString& name, const QString& hint, QWidget* parent);

    TOfficeLabel* label() const { return m_label; }
    void setText(const QString& text);
    QString text() const;

    void setStruck(bool struck);
    bool isStruck() const;
    // How many strike lines the entry carries now.
    int strikeLines() const;

signals:
    void chosen();

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void updateLines();

    TOfficeLabel* m_label;
    TPreskrtnuti* m_preskrtnuti;
};
