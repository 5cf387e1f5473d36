#pragma once

#include "DialogGuard.h"
#include "TBalloonDialog.h"

#include <QList>

class QLabel;
class TVolba;

// A balloon of the report dialogs: a bold heading, a column of items that may
// be struck through, and "Storno". Enter and Esc close it like "Storno".
class TSestavyBublina : public TBalloonDialog
{
    Q_OBJECT

public:
    struct Item
    {
        QString name; // the object name of the item's label ("OfficeLabel1")
        QString caption;
        QString hint;
    };

    TVolba* item(const QString& name) const;
    DialogGuard& guard() { return m_guard; }

signals:
    void closed();

protected:
    TSestavyBublina(HlavniSluzby& sluzby, const QString& indicator, const QStringList& heading,
                    const QList<Item>& items, QWidget* parent);

    QLabel* headingLine(int line) const { return m_heading.value(line); }
    virtual void choose(const QString& item) = 0;

    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void reject() override { hide(); }

private:
    DialogGuard m_guard;
    QList<QLabel*> m_heading;
    QList<TVolba*> m_items;
};
