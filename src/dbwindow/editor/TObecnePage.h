#pragma once

#include <QWidget>

class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class TDatumEdit;
class TZaplneni;

// The page "Obecné informace": title, performer, genre, total, acquisition
// date and note above the fill display.
class TObecnePage final : public QWidget
{
    Q_OBJECT

public:
    explicit TObecnePage(QWidget* parent = nullptr);

    QLineEdit* title() const { return m_title; }
    QLabel* performerLabel() const { return m_performerLabel; }
    QLineEdit* performer() const { return m_performer; }
    QLabel* genreLabel() const { return m_genreLabel; }
    QComboBox* genre() const { return m_genre; }
    QLineEdit* total() const { return m_total; }
    QLabel* totalUnit() const { return m_totalUnit; }
    TDatumEdit* acquired() const { return m_acquired; }
    QPlainTextEdit* note() const { return m_note; }
    TZaplneni* fill() const { return m_fill; }

private:
    void createNames();
    void createGenreAndTotal();
    void createDateAndNote();

    QLineEdit* m_title = nullptr;       // J1
    QLabel* m_performerLabel = nullptr; // Label12
    QLineEdit* m_performer = nullptr;   // I1
    QLabel* m_genreLabel = nullptr;     // Label38
    QComboBox* m_genre = nullptr;       // F1
    QLineEdit* m_total = nullptr;       // S1
    QLabel* m_totalUnit = nullptr;      // Label3
    TDatumEdit* m_acquired = nullptr;   // D2
    QPlainTextEdit* m_note = nullptr;   // P1
    TZaplneni* m_fill = nullptr;
};
