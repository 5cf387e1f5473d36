#pragma once

#include <QGroupBox>
#include <QList>

class QLabel;
class TCislaMrizka;
class TGradProgress;

// The fill display: which tracks of an audio CD or of the two sides of a
// cassette carry a title, and how much of a data CD's capacity is used. Each
// live area has a cover (K1 over the CD grid, K5 and K4 over the cassette
// sides, K2 over the bar) that shows the same numbers or an empty bar in grey;
// an area is seen only while its cover is hidden.
class TZaplneni final : public QGroupBox
{
    Q_OBJECT

public:
    static constexpr QSize kSize{491, 166};

    explicit TZaplneni(QWidget* parent);

    // The capacity at the right end of the live bar (Label22) and of its cover (Label25).
    void setCapacityText(const QString& text);

    void coverAll();
    // For a record being edited the live bar holds nothing.
    void emptyBar();
    // `titled` holds one flag per track 1 ... 30.
    void showAudioCd(const QList<bool>& titled);
    void showMc(const QList<bool>& titled);
    void showData();
    void setBar(int maximum, int position);

private:
    QWidget* createCover(QWidget* panel, const QString& name, const QRect& area);
    void createAudioCd();
    void createMc();
    void createData();
    QWidget* createBar(QWidget* parent, const QRect& area, bool live, QLabel** capacity);
    void setCovers(bool k1, bool k2, bool k4, bool k5);

    TCislaMrizka* m_cd = nullptr;
    TCislaMrizka* m_sideA = nullptr;
    TCislaMrizka* m_sideB = nullptr;
    TGradProgress* m_bar = nullptr;
    QLabel* m_capacity = nullptr;
    QLabel* m_coverCapacity = nullptr;
    QWidget* m_k1 = nullptr;
    QWidget* m_k2 = nullptr;
    QWidget* m_k4 = nullptr;
    QWidget* m_k5 = nullptr;
};
