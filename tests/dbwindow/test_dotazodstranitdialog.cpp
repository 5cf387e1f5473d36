#include "FakeSluzby.h"
#include "TDotazOdstranitDialog.h"
#include "TOfficeButton.h"

#include "ProgramLayout.h"

#include <QLabel>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

class TestDotazOdstranitDialog : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void balloon();
    void placedAsSideBalloon();
    void whileAsked();
    void answers_data();
    void answers();

private:
    QTemporaryDir m_dir;
    std::unique_ptr<FakeSluzby> m_sluzby;
    std::unique_ptr<TDotazOdstranitDialog> m_dialog;
};

void TestDotazOdstranitDialog::init()
{
    QVERIFY(programlayout::layOut(m_dir.path()));
    m_sluzby = std::make_unique<FakeSluzby>(m_dir.path());
    m_sluzby->slot = 3;
    m_sluzby->indicators.insert(QStringLiteral("SBO10"));
    m_dialog = std::make_unique<TDotazOdstranitDialog>(*m_sluzby);
}

void TestDotazOdstranitDialog::cleanup()
{
    m_dialog.reset();
    m_sluzby.reset();
}

void TestDotazOdstranitDialog::balloon()
{
    QCOMPARE(m_dialog->objectName(), QStringLiteral("DotazOdstranitDialog"));
    QCOMPARE(m_dialog->toolTip(), QStringLiteral("Dotaz"));
    QVERIFY(m_dialog->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    QStringList texts;
    for (const QLabel* label : m_dialog->findChildren<QLabel*>())
        texts.append(QString(label->text()).replace(QChar::Nbsp, QLatin1Char(' ')));
    QVERIFY(texts.contains(QStringLiteral("Fonarium 2000")));
    QVERIFY(texts.contains(QStringLiteral("Opravdu chcete tento záznam trvale odstranit ?")));
    auto* yes = m_dialog->findChild<TOfficeButton*>(QStringLiteral("Ano"));
    auto* no = m_dialog->findChild<TOfficeButton*>(QStringLiteral("Ne"));
    QCOMPARE(yes->caption(), QStringLiteral("Ano"));
    QCOMPARE(yes->toolTip(), QStringLiteral("Odstraní aktuální záznam a uzavře dialogové okno"));
    QCOMPARE(no->caption(), QStringLiteral("Ne"));
    QCOMPARE(no->toolTip(), QStringLiteral("Uzavře dialogové okno bez odstranění záznamu"));
}

void TestDotazOdstranitDialog::placedAsSideBalloon()
{
    m_dialog->ask(3);
    QCOMPARE(m_dialog->kontrola(), QStringLiteral("3"));
    QCOMPARE(m_sluzby->rules.size(), 1);
    QVERIFY(FakeSluzby::sameRule(m_sluzby->rules.first(), BalloonRule::side()));
    // Left of the figure with the bottoms aligned.
    const QRect figure(m_sluzby->figure, FakeSluzby::kFigure);
    QCOMPARE(m_dialog->x(), figure.left() - m_dialog->width() + 45);
    QCOMPARE(m_dialog->y() + m_dialog->height(), figure.top() + figure.height());
}

void TestDotazOdstranitDialog::whileAsked()
{
    m_dialog->ask(3);
    QVERIFY(m_dialog->isVisible());
    QCOMPARE(m_sluzby->sounds, QStringList{QStringLiteral("Dotaz.wav")});
    QVERIFY(m_sluzby->isIndicatorVisible(QStringLiteral("SBO6")));
    QVERIFY(!m_sluzby->isIndicatorVisible(QStringLiteral("SBO10")));
    QVERIFY(!m_sluzby->mainEnabled);
    QVERIFY(!m_sluzby->assistantEnabled);
}

void TestDotazOdstranitDialog::answers_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("key");
    QTest::addColumn<bool>("deletes");
    QTest::newRow("Ano") << "Ano" << 0 << true;
    QTest::newRow("Enter") << "" << int(Qt::Key_Return) << true;
    QTest::newRow("Ne") << "Ne" << 0 << false;
    QTest::newRow("Esc") << "" << int(Qt::Key_Escape) << false;
}

void TestDotazOdstranitDialog::answers()
{
    QFETCH(QString, button);
    QFETCH(int, key);
    QFETCH(bool, deletes);
    QSignalSpy confirmed(m_dialog.get(), &TDotazOdstranitDialog::deleteConfirmed);
    m_dialog->ask(2);
    if (button.isEmpty())
        QTest::keyClick(m_dialog.get(), Qt::Key(key));
    else
        m_dialog->findChild<TOfficeButton*>(button)->click();

    QVERIFY(!m_dialog->isVisible());
    QCOMPARE(confirmed.count(), deletes ? 1 : 0);
    if (deletes)
        QCOMPARE(confirmed.first().first().toInt(), 2);
    QVERIFY(!m_sluzby->isIndicatorVisible(QStringLiteral("SBO6")));
    QVERIFY(m_sluzby->isIndicatorVisible(QStringLiteral("SBO10")));
    QVERIFY(m_sluzby->mainEnabled);
    QVERIFY(m_sluzby->assistantEnabled);
}

QTEST_MAIN(TestDotazOdstranitDialog)
#include "test_dotazodstranitdialog.moc"
