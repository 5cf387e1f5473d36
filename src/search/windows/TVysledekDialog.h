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

// The search result list: the values of the chosen key in the auxiliary
// table as an alphabetical tree, with the carriers that carry them.
// "Zobrazit" (also Enter and a double click while it is enabled) moves the
// database window to the chosen carrier and closes the list; "Konec" and Esc
// only close it. Closing resets its codes to "0".
//
// Fields: Kontrola the key's code, K1 the slot, K2 unused, Label1 the heading;
// the hidden DBEdit1 shows the title of the carrier the chosen entry leads to.
class TVysledekDialog final : public QDialog
{
    Q_OBJECT

public:
    static constexpr QSize kSize{252, 284};

    explicit TVysledekDialog(HlavniSluzby& sluzby);
    ~TVysledekDialog() override;

    void setRequest(const QString& code, int slot, const QString& heading);
    QString code() const;
    int slot() const;
    QString heading() const;

    // Fills the tree from the auxiliary table and shows the list centred.
    void ukazat();

    QTreeView* treeView() const { return m_tree; }
    const search::ResultTree& results() const;
    // The title DBEdit1 shows for the current entry.
    QString chosenTitle() const;
    bool canShow() const;

signals:
    // Something the user should hear about: the copy cannot be read, the
    // carrier is no longer shown.
    void failed(const Status& status);

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void reject() override { hide(); }

private:
    void createContents();
    void createTree();
    void createButtons();
    QLineEdit* createField(const QString& name);
    Status fill();
    void entryChosen();
    void zobrazit();

    HlavniSluzby& m_sluzby;
    DialogGuard m_guard;
    QLineEdit* m_code = nullptr;
    QLineEdit* m_slot = nullptr;
    QLineEdit* m_k2 = nullptr;
    QLineEdit* m_title = nullptr;
    QLabel* m_heading = nullptr;
    QTreeView* m_tree = nullptr;
    ResultTreeModel* m_model = nullptr;
    TOfficeButton* m_zobrazit = nullptr;
    search::ResultTree::Target m_target;
};
