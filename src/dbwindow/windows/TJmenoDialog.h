#pragma once

#include "DialogGuard.h"
#include "Status.h"

#include <QDialog>

class QLabel;
class QLineEdit;

// The naming dialog: a new name for optional database 1-3, centred on the
// screen in a silver frame. "Ok" creates the database when it has no table yet,
// otherwise it only renames it; an empty name brings the warning instead.
class TJmenoDialog final : public QDialog
{
    Q_OBJECT

public:
    static constexpr QSize kSize{372, 92};

    explicit TJmenoDialog(HlavniSluzby& sluzby, QWidget* parent = nullptr);

    // Shows the dialog for optional database `optional` with `name` to edit.
    void ask(int optional, const QString& name);
    int optional() const;
    QLineEdit* nameEdit() const { return m_edit; }

    DialogGuard& guard() { return m_guard; }

signals:
    void named(int optional);
    // The name is empty or the text of a database not created.
    void nameMissing();
    void failed(const Status& status);

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void reject() override { hide(); }

private:
    void createContents();
    void createButtons();
    void ok();

    HlavniSluzby& m_sluzby;
    DialogGuard m_guard;
    QLabel* m_number = nullptr;
    QLineEdit* m_edit = nullptr;
};
