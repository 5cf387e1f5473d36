#include "TPrevDialog.h"

#include "DialogLook.h"
#include "FrontPicture.h"
#include "HlavniSluzby.h"
#include "IniFile.h"
#include "ProgramFolder.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QScreen>

TPrevDialog::TPrevDialog(HlavniSluzby& sluzby, QWidget* parent)
    : QDialog(parent, Qt::Tool), m_sluzby(sluzby), m_image(new QLabel(this))
{
    setObjectName(QStringLiteral("PrevDialog"));
    setWindowTitle(QStringLiteral("Náhled"));
    setHint(this, QStringLiteral("Náhled obrázku pro přední popisky nosičů"));
    setWindowModality(Qt::ApplicationModal);
    m_image->setObjectName(QStringLiteral("Image1"));
    m_image->move(1, 1);
}

bool TPrevDialog::showChosen()
{
    const QString path = IniFile(m_sluzby.programFolder().programIniPath())
                             .readString(QStringLiteral("Obrazek"), QStringLiteral("Obrazek"));
    QImage picture;
    if (const Status s = FrontPicture::load(path, &picture); !s) {
        emit failed(s.message());
        m_sluzby.reportError(s);
        return false;
    }
    m_image->setPixmap(QPixmap::fromImage(picture));
    m_image->resize(picture.size());
    const QSize outer = picture.size() + kFrame;
    resize(outer);
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    move(screen.center() - QPoint(outer.width() / 2, outer.height() / 2));
    show();
    raise();
    return true;
}

void TPrevDialog::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (m_up)
        return;
    m_up = true;
    m_sluzby.setMainEnabled(false);
    m_sluzby.setAssistantEnabled(false);
}

void TPrevDialog::hideEvent(QHideEvent* event)
{
    QDialog::hideEvent(event);
    if (!m_up)
        return;
    m_up = false;
    m_sluzby.setMainEnabled(true);
    m_sluzby.setAssistantEnabled(true);
}

void TPrevDialog::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter ||
        event->key() == Qt::Key_Escape) {
        hide();
        return;
    }
    QDialog::keyPressEvent(event);
}
