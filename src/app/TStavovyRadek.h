#pragma once

#include <QHash>
#include <QStatusBar>

class QLabel;
class TIndikator;

// The status bar of the main window: panel 1 carries the hint of whatever is
// under the pointer, panel 2 the activity indicator of the dialog that is up,
// panel 3 the slot image and the caption of the database window in front.
class TStavovyRadek final : public QStatusBar
{
    Q_OBJECT

public:
    static constexpr int kPanel1Width = 500;
    static constexpr int kPanel2Width = 22;
    static constexpr int kPanel3Width = 150;

    explicit TStavovyRadek(QWidget* parent = nullptr);

    // Six blanks, then the hint.
    void setHint(const QString& hint);
    QString panelText(int panel) const;

    // "SBO1" ... "SBO10" in panel 2, "SBD1" ... "SBD4" in panel 3.
    bool hasIndicator(const QString& name) const;
    void setIndicator(const QString& name, bool visible);
    bool isIndicatorVisible(const QString& name) const;

    // The database window in front: its slot image and caption; 0 empties panel 3.
    void setDatabase(int slot, const QString& caption);

private:
    QWidget* createPanel(const QString& name, int width);
    void createPanel1();
    void createPanel2();
    void createPanel3();
    TIndikator* addIndicator(QWidget* panel, const QString& name, const QPixmap& picture, int left);

    QLabel* m_hint = nullptr;
    QLabel* m_database = nullptr;
    QHash<QString, TIndikator*> m_indicators;
};
