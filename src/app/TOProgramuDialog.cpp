#include "TOProgramuDialog.h"

#include "Obrazky.h"
#include "TGradientText.h"
#include "TOfficeButton.h"

#include <QCoreApplication>
#include <QDir>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QVBoxLayout>

TOProgramuDialog::TOProgramuDialog(const QString& programFolder, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("OProgramuDialog"));
    setWindowTitle(QStringLiteral("O programu Fonarium 2000"));
    setModal(true);
    setAttribute(Qt::WA_QuitOnClose, false);
    createContents(programFolder);
}

void TOProgramuDialog::createContents(const QString& programFolder)
{
    auto* picture = new QLabel(this);
    picture->setObjectName(QStringLiteral("Obrazek"));
    // The carriers of the document-area picture, without its lettering.
    picture->setPixmap(
        obrazky::vyrez(QStringLiteral("plocha"), QRectF(10, 5, 320, 150), QSize(256, 120)));
    auto* title = new TGradientText(QStringLiteral("Fonarium 2000"), 22, this);
    title->setObjectName(QStringLiteral("Nazev"));
    auto* version = new TGradientText(QStringLiteral("verze 5.0"), 13, this);
    version->setObjectName(QStringLiteral("Verze"));
    auto* about = new QLabel(
        QStringLiteral("Katalog zvukových nosičů soukromé sbírky: audio CD, MP3 CD, datová CD, "
                       "LP desky a magnetofonové kazety, s výpůjčkami, vyhledáváním "
                       "a tiskem popisek.\n\nSestaveno s knihovnou Qt %1.\nSložka programu: %2\n"
                       "Složka s daty: %3")
            .arg(QString::fromLatin1(qVersion()),
                 QDir::toNativeSeparators(QCoreApplication::applicationDirPath()),
                 QDir::toNativeSeparators(programFolder)),
        this);
    about->setObjectName(QStringLiteral("Popis"));
    about->setWordWrap(true);
    auto* ok = new TOfficeButton(QStringLiteral("Ok"), this);
    ok->setObjectName(QStringLiteral("OK"));
    ok->setStatusTip(QStringLiteral("Uzavře dialogové okno"));
    connect(ok, &TOfficeButton::clicked, this, &QDialog::accept);

    auto* column = new QVBoxLayout(this);
    column->setSizeConstraint(QLayout::SetFixedSize);
    column->addWidget(picture, 0, Qt::AlignHCenter);
    column->addWidget(title);
    column->addWidget(version);
    column->addWidget(about);
    column->addWidget(ok, 0, Qt::AlignHCenter);
    about->setFixedWidth(330);
}

void TOProgramuDialog::ukazat()
{
    show();
    raise();
    activateWindow();
}

void TOProgramuDialog::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        accept();
        return;
    }
    QDialog::keyPressEvent(event);
}
