#include "DiscSamples.h"
#include "EditorFolder.h"
#include "FakeSluzby.h"
#include "NacteniStop.h"
#include "TDotazPrepsatDialog.h"
#include "TNacitaniStopDialog.h"
#include "TOfficeButton.h"
#include "TOfficeLabel.h"
#include "TZaznamEditor.h"

#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QSignalSpy>
#include <QTest>
#include <QThread>

#include <memory>

using Row = EditorFolder::Row;

// The record editor's "Načíst stopy z disku..." driven as a user drives it:
// the pop-up item, the source balloon, the progress window and the question,
// found by their object names.
class TestNacteni : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void itemOnlyWhileEditing();
    void fillsFromAnImage_data();
    void fillsFromAnImage();
    void brokenImageChangesNothing();
    void carriersWithoutDisc_data();
    void carriersWithoutDisc();
    void stornoStopsALongReading();

private:
    void openEditing(const Row& row);
    void chooseImage(const QString& path);
    QString text(const QString& name) const;
    bool asked() const { return m_command->question() && m_command->question()->isVisible(); }

    QTemporaryDir m_samples;
    std::unique_ptr<EditorFolder> m_folder;
    std::unique_ptr<FakeSluzby> m_sluzby;
    std::unique_ptr<TZaznamEditor> m_editor;
    std::unique_ptr<NacteniStop> m_command;
};

void TestNacteni::initTestCase()
{
    QLocale::setDefault(QLocale(QLocale::Czech, QLocale::CzechRepublic));
    QVERIFY(discsamples::writeCueImage(m_samples.filePath("good"), {65 * 75, 4470, 225 * 75},
                                       {"Píseň 1", "Píseň 2", "Píseň 3"}, "Kapela", "Deska"));
    QVERIFY(discsamples::writeFile(m_samples.filePath("broken/disk.cue"), "TRACK nonsense\n"));
}

void TestNacteni::init()
{
    m_folder = std::make_unique<EditorFolder>();
    m_sluzby = std::make_unique<FakeSluzby>(m_folder->path());
    m_command = std::make_unique<NacteniStop>(*m_sluzby);
    // No real drive takes part in a test.
    m_command->setDrives([] { return QList<disc::Drive>{}; });
}

void TestNacteni::cleanup()
{
    // The progress windows free themselves once the event loop lets them.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    m_editor.reset();
    m_command.reset();
    m_sluzby.reset();
    m_folder.reset();
}

void TestNacteni::openEditing(const Row& row)
{
    m_folder->fill({row});
    m_editor = std::make_unique<TZaznamEditor>(m_folder->source());
    connect(m_editor.get(), &TZaznamEditor::readTracksRequested, m_command.get(),
            [this] { m_command->start(m_editor.get()); });
    m_editor->show();
    QVERIFY(m_editor->editRecord());
}

QString TestNacteni::text(const QString& name) const
{
    QObject* object = m_editor->findChild<QObject*>(name);
    if (auto* combo = qobject_cast<QComboBox*>(object))
        return combo->currentText();
    auto* line = qobject_cast<QLineEdit*>(object);
    return line ? line->text() : QStringLiteral("<no %1>").arg(name);
}

void TestNacteni::chooseImage(const QString& path)
{
    auto* item = m_editor->popupMenu()->findChild<QAction*>(QStringLiteral("MP14"));
    QVERIFY(item && item->isEnabled());
    item->trigger();
    TNacistStopyDialog* chooser = m_command->chooser();
    QVERIFY(chooser && chooser->isVisible());
    QCOMPARE(chooser->objectName(), QStringLiteral("NacistStopyDialog"));
    TNacistStopyDialog::setNextPath(path);
    auto* image = chooser->findChild<TOfficeLabel*>(QStringLiteral("Volba1"));
    QVERIFY(image);
    QCOMPARE(image->caption(), QStringLiteral("Obraz disku nebo cue soubor..."));
    QSignalSpy finished(m_command.get(), &NacteniStop::finished);
    image->click();
    QVERIFY(!chooser->isVisible());
    // The reading runs beside its progress window; then the question or the fill follows.
    QTRY_VERIFY(!finished.isEmpty() || asked());
}

void TestNacteni::itemOnlyWhileEditing()
{
    m_folder->fill({{{"DRUH", "Audio CD"}}});
    m_editor = std::make_unique<TZaznamEditor>(m_folder->source());
    QAction* item = m_editor->popupMenu()->findChild<QAction*>(QStringLiteral("MP14"));
    QVERIFY(item);
    QCOMPARE(item->text(), QStringLiteral("Načíst stopy z disku..."));
    QCOMPARE(m_editor->popupMenu()->actions().last(), item);
    QVERIFY(m_editor->popupMenu()
                ->actions()
                .at(m_editor->popupMenu()->actions().size() - 2)
                ->isSeparator());
    QVERIFY(!item->isEnabled());
    QVERIFY(m_editor->editRecord());
    QVERIFY(item->isEnabled());
    QVERIFY(m_editor->undoRecord());
    QVERIFY(!item->isEnabled());
}

void TestNacteni::fillsFromAnImage_data()
{
    QTest::addColumn<QString>("oldTitle");
    QTest::addColumn<QString>("answer"); // "" when nothing is asked
    QTest::addColumn<bool>("filled");
    QTest::newRow("empty tracks") << ""
                                  << "" << true;
    QTest::newRow("Ano replaces") << "Stará"
                                  << "Ano" << true;
    QTest::newRow("Ne keeps") << "Stará"
                              << "Ne" << false;
}

void TestNacteni::fillsFromAnImage()
{
    QFETCH(QString, oldTitle);
    QFETCH(QString, answer);
    QFETCH(bool, filled);
    Row row{{"DRUH", "Audio CD"}, {"DELKA", "74"}};
    if (!oldTitle.isEmpty()) {
        row.insert("A1", oldTitle);
        row.insert("C1", "2,00");
        row.insert("CELKEM", "2,00");
    }
    openEditing(row);
    chooseImage(m_samples.filePath("good/disk.cue"));
    QCOMPARE(asked(), !answer.isEmpty());
    if (!answer.isEmpty()) {
        auto* button = m_command->question()->findChild<TOfficeButton*>(answer);
        QVERIFY(button);
        button->click();
    }
    QVERIFY(m_sluzby->errors.isEmpty());
    QVERIFY(m_editor->isEditing());
    QCOMPARE(text("D1"), QStringLiteral("Audio CD"));
    QCOMPARE(text("N1"), QStringLiteral("74"));
    if (filled) {
        QCOMPARE(text("M1"), QStringLiteral("Píseň 1"));
        QCOMPARE(text("M3"), QStringLiteral("Píseň 3"));
        QCOMPARE(text("T1"), QStringLiteral("1,05"));
        QCOMPARE(text("T2"), QStringLiteral("1,00"));
        QCOMPARE(text("T3"), QStringLiteral("3,45"));
        QCOMPARE(text("J1"), QStringLiteral("Deska"));
        QCOMPARE(text("I1"), QStringLiteral("Kapela"));
        QCOMPARE(text("S1"), QStringLiteral("5,50"));
    } else {
        QCOMPARE(text("M1"), oldTitle);
        QCOMPARE(text("T1"), QStringLiteral("2,00"));
        QCOMPARE(text("M2"), QString());
        QCOMPARE(text("J1"), QString());
    }
    // Nothing is stored until the user saves: undo brings the record back.
    QVERIFY(m_editor->undoRecord());
    QCOMPARE(m_folder->table()->fieldText("A1"), oldTitle);
    QCOMPARE(m_folder->table()->fieldText("NAZEV"), QString());
}

void TestNacteni::brokenImageChangesNothing()
{
    openEditing({{"DRUH", "Audio CD"}, {"A1", "Stará"}, {"C1", "2,00"}});
    chooseImage(m_samples.filePath("broken/disk.cue"));
    QCOMPARE(m_sluzby->errors.size(), 1);
    QVERIFY2(m_sluzby->errors.first().contains("disk.cue"), qPrintable(m_sluzby->errors.first()));
    QVERIFY(!asked());
    QCOMPARE(text("M1"), QStringLiteral("Stará"));
    QCOMPARE(text("T1"), QStringLiteral("2,00"));
    QVERIFY(m_editor->isEditing());
}

void TestNacteni::carriersWithoutDisc_data()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("LP") << "LP";
    QTest::newRow("MC") << "MC";
}

void TestNacteni::carriersWithoutDisc()
{
    QFETCH(QString, kind);
    openEditing({{"DRUH", kind}, {"A1", "Strana A"}});
    m_editor->popupMenu()->findChild<QAction*>(QStringLiteral("MP14"))->trigger();
    QVERIFY(!m_command->chooser());
    QCOMPARE(m_sluzby->errors.size(), 1);
    QVERIFY(m_sluzby->errors.first().contains("LP a MC"));
    QCOMPARE(text("M1"), QStringLiteral("Strana A"));
}

// A reading that would never end by itself: the window keeps answering and
// Storno ends it with the message of a stopped reading.
void TestNacteni::stornoStopsALongReading()
{
    auto* window = new TNacitaniStopDialog(*m_sluzby);
    QPointer<TNacitaniStopDialog> alive(window);
    QStringList done;
    connect(window, &TNacitaniStopDialog::done, this,
            [&done](const disc::Reading& reading) { done.append(reading.status.message()); });
    window->read([](const disc::Progress& progress) {
        while (progress(50))
            QThread::msleep(1);
        return disc::Reading{};
    });
    QVERIFY(window->isVisible());
    QVERIFY(!m_sluzby->mainEnabled);
    QTRY_COMPARE(window->progress(), 50);
    auto* storno = window->findChild<TOfficeButton*>(QStringLiteral("Storno"));
    QVERIFY(storno);
    storno->click();
    QTRY_COMPARE(done, QStringList{disc::cancelled().message()});
    QTRY_VERIFY(!alive);
    QVERIFY(m_sluzby->mainEnabled);
}

QTEST_MAIN(TestNacteni)
#include "test_nacteni.moc"
