#pragma once

#include "DialogGuard.h"
#include "ResultTree.h"
#include "Status.h"

#include <QDialog>

class QLabel;
class QLineEdit;
class QTreeView;
class ResultTreeModel;
class TOfficeButton;

// The look and the handling the result list and the two report pickers
// share: a borderless yellow panel in a silver frame, centred on the screen,
// with a heading, the alphabetical tree of the auxiliary table and the
// buttons "Zobrazit" and "Konec". While it is shown the main window and the
// assistant are disabled. The hidden DBEdit1 shows the entry's text that
// "Zobrazit" acts on; "Zobrazit" is enabled exactly while it is not empty.
class TVysledekOkno : public QDialog
{
    Q_OBJECT

public:
    static constexpr QSize kSize{252, 284};

    ~TVysledekOkno() override;

    // Fills the tree from the auxiliary table and shows the window centred.
    void ukazat();

    QTreeView* treeView() const { return m_tree; }
    const search::ResultTree& results() const;
    QString heading() const;
    // The text DBEdit1 shows for the current entry.
    QString chosenText() const;
    bool canShow() const;

signals:
    // Something the user should hear about: the copy cannot be read, the
    // carrier is no longer shown.
    void failed(const Status& status);

protected:
    struct Hints
    {
        QString zobrazit;
        QString konec;
    };
    TVysledekOkno(HlavniSluzby& sluzby, const QString& name, const Hints& hints);

    HlavniSluzby& sluzby() const { return m_sluzby; }
    // A hidden code field of the window, holding "0" until it is set.
    QLineEdit* createField(const QString& name);
    void setHeading(const QString& heading);

    // The entries of the window, built afresh each time it is shown.
    virtual Status fill(search::ResultTree& tree) = 0;
    // What DBEdit1 shows for the entry under the cursor; a level above the
    // last carries no target and shows nothing.
    virtual QString textFor(int node, const search::ResultTree::Target& target) const = 0;
    // "Zobrazit", a double click on an entry while it is enabled.
    virtual void confirm() = 0;
    // Enter: by default as "Zobrazit", only while it is enabled.
    virtual void enterPressed();
    // The window closes: its codes go back to "0".
    virtual void resetCodes() = 0;
    // DBEdit1 changed.
    virtual void chosenChanged(const QString& text);

    const search::ResultTree::Target& chosenTarget() const { return m_target; }
    TOfficeButton* confirmButton() const { return m_zobrazit; }

    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void reject() override { hide(); }

private:
    void createTree();
    void createButtons(const Hints& hints);
    void entryChosen();

    HlavniSluzby& m_sluzby;
    DialogGuard m_guard;
    QLineEdit* m_chosen = nullptr;
    QLabel* m_heading = nullptr;
    QTreeView* m_tree = nullptr;
    ResultTreeModel* m_model = nullptr;
    TOfficeButton* m_zobrazit = nullptr;
    search::ResultTree::Target m_target;
};
