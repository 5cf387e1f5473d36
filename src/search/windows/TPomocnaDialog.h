#pragma once

#include "DialogGuard.h"
#include "SearchCriteria.h"

#include <QDialog>

class QLabel;
class QLineEdit;
class TOfficeLabel;
class TPreskrtnuti;

// The builder window of a search key: it rebuilds the auxiliary table for the
// database, or, while the copy is current for that database and shape,
// starts the result list. The start line is struck through in red and
// disabled while the copy is not current. It stands level with the key in the
// search dialog, which it disables while it is up; "Storno", Enter and Esc
// give the search dialog back.
//
// This one builds the per-carrier copy; TPomocna1Dialog the per-track copy.
class TPomocnaDialog : public QDialog
{
    Q_OBJECT

public:
    static constexpr QSize kSize{278, 88};

    TPomocnaDialog(HlavniSluzby& sluzby, QWidget* searchDialog);
    ~TPomocnaDialog() override;

    search::Shape shape() const { return m_shape; }

    // Kontrola: the slot; Kontrola2: the key's code; Label1: its heading.
    int slot() const;
    void setSlot(int slot);
    QString code() const;
    QString heading() const;
    void setCriterion(const QString& code, const QString& heading);

    // Whether the copy was current for this slot when the window was shown.
    bool isCurrent() const;

    // Left of the search dialog, or right of its left edge when there is no
    // room; level with the key's line.
    static QPoint placement(const QPoint& searchDialog, int topOffset);

signals:
    void buildRequested();
    void startRequested();

protected:
    TPomocnaDialog(HlavniSluzby& sluzby, QWidget* searchDialog, search::Shape shape,
                   const QString& name, const QString& buildCaption);

    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void reject() override { hide(); }

private:
    void createContents(const QString& buildCaption);
    QLineEdit* createField(const QString& name);
    void testCurrency();

    HlavniSluzby& m_sluzby;
    search::Shape m_shape;
    DialogGuard m_guard;
    QLineEdit* m_slot = nullptr;
    QLineEdit* m_code = nullptr;
    QLabel* m_heading = nullptr;
    TOfficeLabel* m_build = nullptr;
    TOfficeLabel* m_start = nullptr;
    TPreskrtnuti* m_strike = nullptr;
};
