#include "Aplikace.h"
#include "AppTestSupport.h"
#include "TDokumenty.h"
#include "TIniDialog.h"
#include "TOfficeButton.h"

#include <QFile>
#include <QLabel>
#include <QMdiSubWindow>
#include <QStatusBar>
#include <QTextLayout>
#include <QToolBar>

namespace {

const QStringList kViewKeys{"Standardni", "Okna",         "Databaze",
                            "TipyDne",    "StavovyRadek", "PanelOutlook"};
const QStringList kViewItems{"PN1",  "PN3",  "PN2",  "PN4",  "MZ2",  "MZ3",
                             "P1M1", "P1M3", "P1M2", "P1M4", "P1M5", "P1M6"};

QByteArray contents(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class TestIniDialog : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void question();
    void askingStandsBesideTheFigure();
    void yesPutsTheSettingsBack_data();
    void yesPutsTheSettingsBack();
    void yesWritesTheKeysInOrder();
    void noLeavesTheSettings_data();
    void noLeavesTheSettings();
    void offeredOnlyWithoutDatabaseWindows();

private:
    void hideEveryBar();
    TIniDialog* ask();

    std::unique_ptr<TestProgramFolder> m_program;
    std::unique_ptr<Aplikace> m_aplikace;
};

void TestIniDialog::init()
{
    m_program = std::make_unique<TestProgramFolder>();
    QVERIFY(m_program->isValid());
    m_aplikace = std::make_unique<Aplikace>(m_program->folder(), QString());
    m_aplikace->create(nullptr);
    m_aplikace->hlavni()->show();
}

void TestIniDialog::cleanup()
{
    m_aplikace.reset();
    m_program.reset();
}

void TestIniDialog::hideEveryBar()
{
    for (const QString& item : kViewItems.mid(0, 6))
        m_aplikace->hlavni()->findChild<QAction*>(item)->trigger();
    for (const QString& key : kViewKeys)
        QCOMPARE(m_program->zobrazit(key), QStringLiteral("0"));
}

TIniDialog* TestIniDialog::ask()
{
    TIniDialog* dialog = m_aplikace->ini();
    QAction* item = m_aplikace->hlavni()->findChild<QAction*>("MN5");
    if (!item || !item->isEnabled())
        return nullptr;
    item->trigger();
    return dialog;
}

void TestIniDialog::question()
{
    TIniDialog* dialog = m_aplikace->ini();
    QCOMPARE(dialog->objectName(), QStringLiteral("IniDialog"));
    QVERIFY(dialog->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    QStringList texts;
    for (QLabel* label : dialog->findChildren<QLabel*>())
        texts << QString(label->text()).replace(QChar::Nbsp, QLatin1Char(' '));
    QCOMPARE(texts,
             (QStringList{"Fonarium 2000", "Opravdu chcete obnovit nastavení v *.INI souboru ?"}));
    // Wrapped, the question keeps its mark on the line of its last word.
    auto* question = dialog->findChild<QLabel*>("Label2");
    QTextLayout layout(question->text(), question->font());
    QTextOption option;
    option.setWrapMode(QTextOption::WordWrap);
    layout.setTextOption(option);
    layout.beginLayout();
    QString lastLine;
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(question->contentsRect().width());
        lastLine = question->text().mid(line.textStart(), line.textLength());
    }
    layout.endLayout();
    QVERIFY2(lastLine.trimmed().size() > 1, qPrintable(lastLine));
    auto* yes = dialog->findChild<TOfficeButton*>("Ano");
    auto* no = dialog->findChild<TOfficeButton*>("Ne");
    QVERIFY(yes && no);
    QCOMPARE(yes->caption(), QStringLiteral("Ano"));
    QCOMPARE(yes->statusTip(),
             QStringLiteral("Obnoví nastavení v *.INI souboru a uzavře dialogové okno"));
    QCOMPARE(no->caption(), QStringLiteral("Ne"));
    QCOMPARE(no->statusTip(), QStringLiteral("Uzavře dialogové okno bez obnovení v *.INI souboru"));
    QVERIFY(!dialog->isVisible());
}

void TestIniDialog::askingStandsBesideTheFigure()
{
    THlavniDialog* main = m_aplikace->hlavni();
    main->setIndicator("SBO10", true);
    TIniDialog* dialog = ask();
    QVERIFY(dialog);
    QVERIFY(dialog->isVisible());
    QVERIFY(main->isIndicatorVisible("SBO6"));
    QVERIFY(!main->isIndicatorVisible("SBO10"));
    QVERIFY(!main->isEnabled());
    QVERIFY(!m_aplikace->pomocnik()->isEnabled());
    // A side balloon: left of the figure, bottoms aligned, overlapping it by its tail.
    const QRect figure = m_aplikace->pomocnik()->frameGeometry();
    QCOMPARE(dialog->pos(), QPoint(figure.left() - dialog->width() + 45,
                                   figure.top() + figure.height() - dialog->height()));
}

void TestIniDialog::yesPutsTheSettingsBack_data()
{
    QTest::addColumn<int>("answer");
    QTest::newRow("Ano") << 0;
    QTest::newRow("Enter") << int(Qt::Key_Return);
    QTest::newRow("keypad Enter") << int(Qt::Key_Enter);
}

void TestIniDialog::yesPutsTheSettingsBack()
{
    QFETCH(int, answer);
    hideEveryBar();
    const IniFile ini = m_program->programIni();
    QVERIFY(ini.writeString("Otevreni", "Databaze3", "1"));
    QVERIFY(ini.writeString("Obrazek", "Obrazek", "/home/sbirka/predni.bmp"));
    QVERIFY(ini.writeInteger("Kontrola", "Pomocna", 3));
    QVERIFY(ini.writeInteger("Kontrola", "Pomocna1", 2));
    QVERIFY(ini.writeString("Kontrola", "Tipy", "1"));
    QVERIFY(ini.writeString("Zobrazit", "Tipy", "0"));
    QVERIFY(ini.writeString("Volitelne", "Data1", "Moje desky"));
    const QByteArray suite = contents(m_program->folder().suiteIniPath());

    TIniDialog* dialog = ask();
    QVERIFY(dialog);
    if (answer)
        QTest::keyClick(dialog, Qt::Key(answer));
    else
        dialog->findChild<TOfficeButton*>("Ano")->click();

    for (const QString& key : kViewKeys)
        QCOMPARE(m_program->zobrazit(key), QStringLiteral("1"));
    for (int slot = 1; slot <= 4; ++slot)
        QCOMPARE(ini.readString("Otevreni", QStringLiteral("Databaze%1").arg(slot)), "0");
    QCOMPARE(ini.readString("Obrazek", "Obrazek"), QString());
    QCOMPARE(ini.readString("Kontrola", "Pomocna"), "0");
    QCOMPARE(ini.readString("Kontrola", "Pomocna1"), "0");
    // What the restore does not own stays.
    QCOMPARE(ini.readString("Kontrola", "Tipy"), "1");
    QCOMPARE(ini.readString("Zobrazit", "Tipy"), "0");
    QCOMPARE(ini.readString("Volitelne", "Data1"), "Moje desky");
    QCOMPARE(contents(m_program->folder().suiteIniPath()), suite);

    THlavniDialog* main = m_aplikace->hlavni();
    for (const char* bar : {"StandardniL", "DatabazeL", "OknaL", "TipyDneL", "LookOut1"})
        QVERIFY2(main->findChild<QWidget*>(bar)->isVisible(), bar);
    QVERIFY(main->statusBar()->isVisible());
    for (const QString& item : kViewItems)
        QVERIFY2(main->findChild<QAction*>(item)->isChecked(), qPrintable(item));
    QVERIFY(!dialog->isVisible());
    QVERIFY(main->isEnabled());
    QVERIFY(m_aplikace->pomocnik()->isEnabled());
    QVERIFY(!main->isIndicatorVisible("SBO6"));
    QVERIFY(!main->isIndicatorVisible("SBO10"));
}

void TestIniDialog::yesWritesTheKeysInOrder()
{
    const QString path = m_program->folder().programIniPath();
    QVERIFY(QFile::remove(path));
    TIniDialog* dialog = ask();
    QVERIFY(dialog);
    QTest::keyClick(dialog, Qt::Key_Return);
    QStringList lines;
    for (const QByteArray& line : contents(path).split('\n')) {
        if (!line.trimmed().isEmpty())
            lines << QString::fromUtf8(line.trimmed());
    }
    QCOMPARE(lines, (QStringList{"[Zobrazit]", "Standardni=1", "Okna=1", "Databaze=1", "TipyDne=1",
                                 "StavovyRadek=1", "PanelOutlook=1", "[Otevreni]", "Databaze1=0",
                                 "Databaze2=0", "Databaze3=0", "Databaze4=0", "[Obrazek]",
                                 "Obrazek=", "[Kontrola]", "Pomocna=0", "Pomocna1=0"}));
}

void TestIniDialog::noLeavesTheSettings_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("Ne") << "Ne";
    QTest::newRow("Esc") << "Esc";
    QTest::newRow("closed") << "closed";
}

void TestIniDialog::noLeavesTheSettings()
{
    QFETCH(QString, how);
    hideEveryBar();
    const QByteArray before = contents(m_program->folder().programIniPath());
    TIniDialog* dialog = ask();
    QVERIFY(dialog);
    if (how == QLatin1String("Ne"))
        dialog->findChild<TOfficeButton*>("Ne")->click();
    else if (how == QLatin1String("Esc"))
        QTest::keyClick(dialog, Qt::Key_Escape);
    else
        dialog->close();
    QVERIFY(!dialog->isVisible());
    QCOMPARE(contents(m_program->folder().programIniPath()), before);
    THlavniDialog* main = m_aplikace->hlavni();
    QVERIFY(main->findChild<QToolBar*>("StandardniL")->isHidden());
    QVERIFY(main->isEnabled());
    QVERIFY(m_aplikace->pomocnik()->isEnabled());
    QVERIFY(!main->isIndicatorVisible("SBO6"));
}

void TestIniDialog::offeredOnlyWithoutDatabaseWindows()
{
    THlavniDialog* main = m_aplikace->hlavni();
    QAction* item = main->findChild<QAction*>("MN5");
    QVERIFY(item->isEnabled());
    auto* view = new QWidget;
    view->setObjectName(QStringLiteral("Databaze3Dialog"));
    QMdiSubWindow* window = main->dokumenty()->addSubWindow(view);
    window->show();
    QTRY_VERIFY(!item->isEnabled());
    // Another kind of document window does not count.
    main->dokumenty()->addSubWindow(new QWidget)->show();
    window->close();
    delete window;
    QTRY_VERIFY(item->isEnabled());
}

QTEST_MAIN(TestIniDialog)
#include "test_inidialog.moc"
