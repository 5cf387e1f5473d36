#pragma once

#include "RecordPane.h"

#include <QLineEdit>
#include <QVBoxLayout>
#include <QWidget>

// A stand-in for the record editor: the evidence-number editor `C1`, the
// total `S1` and one track `M1`, which the window disables when it stores or
// drops the record.
class StandInPane final : public QWidget, public RecordPane
{
public:
    explicit StandInPane(bool editing = false)
    {
        auto* layout = new QVBoxLayout(this);
        for (const char* name : {"C1", "S1", "M1"}) {
            auto* line = new QLineEdit(this);
            line->setObjectName(name);
            line->setEnabled(editing);
            layout->addWidget(line);
        }
    }

    QWidget* paneWidget() override { return this; }
    bool isEditing() const override
    {
        return findChild<QLineEdit*>("C1", Qt::FindDirectChildrenOnly)->isEnabledTo(this);
    }
    void setRecordEditorsEnabled(bool enabled) override
    {
        for (QLineEdit* line : findChildren<QLineEdit*>(Qt::FindDirectChildrenOnly))
            line->setEnabled(enabled && line->objectName() != QLatin1String("S1"));
    }
};

// A loan card over a pane: its panel `Panel10`, shown or not, and its undo
// button `TD5`, enabled while a borrower is being written.
class StandInLoanCard final : public QWidget, public LoanCardPane
{
public:
    StandInLoanCard(bool shown, bool editing)
    {
        auto* panel = new QWidget(this);
        panel->setObjectName("Panel10");
        panel->setVisible(shown);
        undo = new QLineEdit(panel);
        undo->setObjectName("TD5");
        undo->setEnabled(editing);
        surname = new QLineEdit(panel);
        surname->setObjectName("DBEdit2");
        surname->setEnabled(false);
    }

    QWidget* cardWidget() override { return this; }
    bool isCardShown() const override { return findChild<QWidget*>("Panel10")->isVisibleTo(this); }
    bool isCardEditing() const override { return undo->isEnabledTo(this); }
    bool holdsRecord() const override { return surname->isEnabledTo(this); }

    QLineEdit* undo = nullptr;
    QLineEdit* surname = nullptr;
};
