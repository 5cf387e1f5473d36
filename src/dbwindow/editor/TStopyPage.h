#pragma once

#include <QList>
#include <QWidget>

class QLabel;
class QLineEdit;

// The page "Podrobnosti": thirty tracks in two columns of fifteen rows, one
// row every 20 pixels. Row n holds the title editor Mn and, to its right, the
// time or size editor Tn.
class TStopyPage final : public QWidget
{
    Q_OBJECT

public:
    static constexpr int kTracks = 30;
    static constexpr int kRowsPerColumn = 15;
    static constexpr int kRowPitch = 20;

    explicit TStopyPage(QWidget* parent = nullptr);

    // Track n = 1 ... 30.
    QLineEdit* titleEditor(int track) const { return m_titles.at(track - 1); }
    QLineEdit* valueEditor(int track) const { return m_values.at(track - 1); }

    // Label31 and Label33 over the title columns, Label32 and Label34 over
    // the value columns.
    void setHeaders(const QString& left, const QString& right, const QString& value);

private:
    void createHeaders();
    void createRow(int track);

    QList<QLineEdit*> m_titles;
    QList<QLineEdit*> m_values;
    QLabel* m_leftHeader = nullptr;
    QLabel* m_rightHeader = nullptr;
    QLabel* m_leftValueHeader = nullptr;
    QLabel* m_rightValueHeader = nullptr;
};
