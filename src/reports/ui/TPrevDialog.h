#pragma once

#include <QDialog>

class HlavniSluzby;
class QLabel;

// The chosen front-label picture at its natural size, in a small tool window
// sized to it and centred on the screen.
class TPrevDialog final : public QDialog
{
    Q_OBJECT

public:
    // Beyond the picture: 8 pixels across and 25 down for the window's frame.
    static constexpr QSize kFrame{8, 25};

    explicit TPrevDialog(HlavniSluzby& sluzby, QWidget* parent = nullptr);

    // Shows the picture of the program settings; false, with a message naming
    // the file, when it cannot be loaded.
    bool showChosen();

signals:
    void failed(const QString& message);

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    HlavniSluzby& m_sluzby;
    QLabel* m_image;
    bool m_up = false;
};
