#include "EditorFolder.h"
#include "TDatumEdit.h"
#include "TGradProgress.h"
#include "TZaznamEditor.h"
#include "TableLayout.h"

#include <QAction>
#include <QApplication>
#include <QCalendarWidget>
#include <QClipboard>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTest>
#include <QToolButton>

#include <memory>

using Row = EditorFolder::Row;

class TestZaznamEditor : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void editorsLabelsAndHints_data();
    void editorsLabelsAndHints();
    void listsOfKindsAndGenres();
    void tracksInTwoColumnsOfFifteen();
    void row28ShowsAndEditsC28();
    void editorsFollowTheRecordAndAreDisabledWhileBrowsing();
    void kindRules_data();
    void kindRules();
    void kindTypedByHand();
    void gridColours_data();
    void gridColours();
    void dataBar();
    void choosingDataCdWhileEditing();
    void saveTotals_data();
    void saveTotals();
    void capacityInMinutesShowsBothDigits_data();
    void capacityInMinutesShowsBothDigits();
    void saveStampsTheDate();
    void refusedInputKeepsEverythingTyped_data();
    void refusedInputKeepsEverythingTyped();
    void takenEvidenceNumberIsRefused_data();
    void takenEvidenceNumberIsRefused();
    void enterSavesAndNoteTakesNewLines();
    void dateFromTheCalendarOrEmpty();
    void dateEditorHoldsEveryDateOfItsLocale_data();
    void dateEditorHoldsEveryDateOfItsLocale();
    void blankGenreClearsTheGenre();
    void undoOnNewRecordDiscardsIt();
    void deleteMovesToTheNextRecord_data();
    void deleteMovesToTheNextRecord();
    void tableLeavingEditingTakesTheEditors();
    void clipboardFollowsTheFocus();
    void clipboardOnEveryEditor_data();
    void clipboardOnEveryEditor();
    void loanMark();
    void popupMenuItems_data();
    void popupMenuItems();
    void popupMenuFollowsTheState();
    void rightClickBringsTheRecordMenu_data();
    void rightClickBringsTheRecordMenu();

private:
    void open(const QList<Row>& rows);
    template <typename T> T* child(const QString& name) const;
    QString text(const QString& name) const;
    bool shown(const QString& name) const { return !child<QWidget>(name)->isHidden(); }
    QColor colour(const QString& name) const;
    void type(const QString& name, const QString& text) const;
    void setKind(const QString& kind) const;
    static void typeText(QWidget* target, const QString& text);

    std::unique_ptr<EditorFolder> m_folder;
    std::unique_ptr<TZaznamEditor> m_editor;
};

void TestZaznamEditor::initTestCase()
{
    // The tables show numbers as the Czech user sees them.
    QLocale::setDefault(QLocale(QLocale::Czech, QLocale::CzechRepublic));
}

void TestZaznamEditor::init()
{
    m_folder = std::make_unique<EditorFolder>();
}

void TestZaznamEditor::cleanup()
{
    m_editor.reset();
    m_folder.reset();
}

void TestZaznamEditor::open(const QList<Row>& rows)
{
    m_folder->fill(rows);
    m_editor = std::make_unique<TZaznamEditor>(m_folder->source());
    m_editor->show();
    QVERIFY(QTest::qWaitForWindowActive(m_editor.get()));
}

template <typename T> T* TestZaznamEditor::child(const QString& name) const
{
    T* widget = m_editor->findChild<T*>(name);
    if (!widget)
        qWarning() << "no" << name;
    return widget;
}

QString TestZaznamEditor::text(const QString& name) const
{
    QObject* object = m_editor->findChild<QObject*>(name);
    if (auto* label = qobject_cast<QLabel*>(object))
        return label->text();
    if (auto* line = qobject_cast<QLineEdit*>(object))
        return line->text();
    if (auto* combo = qobject_cast<QComboBox*>(object))
        return combo->currentText();
    if (auto* date = qobject_cast<TDatumEdit*>(object))
        return date->text();
    if (auto* note = qobject_cast<QPlainTextEdit*>(object))
        return note->toPlainText();
    qWarning() << "no text editor" << name;
    return {};
}

QColor TestZaznamEditor::colour(const QString& name) const
{
    return child<QWidget>(name)->palette().color(QPalette::WindowText);
}

// Types as the user does: into the editor that has the focus, over what it held.
void TestZaznamEditor::type(const QString& name, const QString& text) const
{
    QWidget* target = child<QWidget>(name);
    if (auto* combo = qobject_cast<QComboBox*>(target))
        target = combo->lineEdit();
    else if (auto* date = qobject_cast<TDatumEdit*>(target))
        target = date->lineEdit();
    QVERIFY2(target && target->isEnabled(), qPrintable(name));
    target->setFocus();
    if (auto* note = qobject_cast<QPlainTextEdit*>(target))
        note->selectAll();
    else
        QTest::keyClick(target, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(target, Qt::Key_Delete);
    typeText(target, text);
}

// QTest types only ASCII by key; other letters come as the text of a key event.
void TestZaznamEditor::typeText(QWidget* target, const QString& text)
{
    for (const QChar c : text) {
        if (c.unicode() < 0x80)
            QTest::keyClick(target, c.toLatin1());
        else
            QTest::sendKeyEvent(QTest::Click, target, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
}

void TestZaznamEditor::setKind(const QString& kind) const
{
    auto* kinds = child<QComboBox>(QStringLiteral("D1"));
    kinds->setCurrentIndex(kinds->findText(kind));
    QCOMPARE(kinds->currentText(), kind);
}

void TestZaznamEditor::editorsLabelsAndHints_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("hint");
    QTest::addColumn<int>("page"); // -1: above or below the pages
    QTest::newRow("C1") << "C1"
                        << "Evidenční číslo" << -1;
    QTest::newRow("D1") << "D1"
                        << "Druh nosiče" << -1;
    QTest::newRow("N1") << "N1"
                        << "Délka nosiče" << -1;
    QTest::newRow("J1") << "J1"
                        << "Název" << 0;
    QTest::newRow("I1") << "I1"
                        << "Interpret" << 0;
    QTest::newRow("F1") << "F1"
                        << "Hudební žánr" << 0;
    QTest::newRow("S1") << "S1"
                        << "Celková délka" << 0;
    QTest::newRow("D2") << "D2"
                        << "Datum pořízení" << 0;
    QTest::newRow("P1") << "P1"
                        << "Poznámka" << 0;
    QTest::newRow("DBText1") << "DBText1"
                             << "Datum poslední aktualizace" << -1;
    QTest::newRow("M1") << "M1"
                        << "" << 1;
    QTest::newRow("T30") << "T30"
                         << "" << 1;
}

void TestZaznamEditor::editorsLabelsAndHints()
{
    QFETCH(QString, name);
    QFETCH(QString, hint);
    QFETCH(int, page);
    open({});
    auto* widget = child<QWidget>(name);
    QVERIFY(widget);
    QCOMPARE(widget->toolTip(), hint);
    QCOMPARE(widget->statusTip(), hint);
    auto* pages = child<QTabWidget>(QStringLiteral("PageControl1"));
    QCOMPARE(pages->tabText(0), QStringLiteral("Obecné informace"));
    QCOMPARE(pages->tabText(1), QStringLiteral("Podrobnosti"));
    QCOMPARE(pages->currentIndex(), 0);
    for (int i = 0; i < pages->count(); ++i)
        QCOMPARE(pages->widget(i)->isAncestorOf(widget), i == page);

    const QStringList captions = {"Evidenční číslo :", "Druh nosiče :",
                                  "Délka nosiče :",    "Název :",
                                  "Interpret :",       "Žánr :",
                                  "Celková délka :",   "Datum pořízení :",
                                  "Poznámka :",        "Datum poslední aktualizace :"};
    QStringList shown;
    for (const QLabel* label : m_editor->findChildren<QLabel*>())
        shown.append(label->text());
    for (const QString& caption : captions)
        QVERIFY2(shown.contains(caption), qPrintable(caption));
    QCOMPARE(text(QStringLiteral("RxLabel1")), QStringLiteral("Půjčeno"));
    QCOMPARE(child<QGroupBox>(QStringLiteral("Zaplneni"))->title(),
             QStringLiteral(" Zaplnění nosiče "));
}

void TestZaznamEditor::listsOfKindsAndGenres()
{
    open({});
    auto* kinds = child<QComboBox>(QStringLiteral("D1"));
    auto* genres = child<QComboBox>(QStringLiteral("F1"));
    QVERIFY(kinds->isEditable());
    QVERIFY(genres->isEditable());
    QStringList kindItems;
    for (int i = 0; i < kinds->count(); ++i)
        kindItems.append(kinds->itemText(i));
    QCOMPARE(kindItems, layouts::carrierKinds());
    QStringList genreItems;
    for (int i = 0; i < genres->count(); ++i)
        genreItems.append(genres->itemText(i));
    QCOMPARE(genreItems, layouts::genres() + QStringList{QStringLiteral(" ")});

    auto* updated = child<QLabel>(QStringLiteral("DBText1"));
    QVERIFY(updated->font().bold());
    QCOMPARE(colour(QStringLiteral("DBText1")), QColor(255, 0, 0));
}

void TestZaznamEditor::tracksInTwoColumnsOfFifteen()
{
    open({});
    const QRect first = child<QWidget>(QStringLiteral("M1"))->geometry();
    const QRect right = child<QWidget>(QStringLiteral("M16"))->geometry();
    QVERIFY(right.left() > child<QWidget>(QStringLiteral("T1"))->geometry().right());
    for (int n = 1; n <= 30; ++n) {
        const QRect title = child<QWidget>(QStringLiteral("M%1").arg(n))->geometry();
        const QRect value = child<QWidget>(QStringLiteral("T%1").arg(n))->geometry();
        QCOMPARE(title.top(), first.top() + 20 * ((n - 1) % 15));
        QCOMPARE(title.left(), n <= 15 ? first.left() : right.left());
        QCOMPARE(value.top(), title.top());
        QVERIFY(value.left() > title.right());
    }
}

void TestZaznamEditor::row28ShowsAndEditsC28()
{
    open({{{"DRUH", "LP"}, {"A28", "Dvacátá osmá"}, {"C28", "4,44"}}});
    QCOMPARE(text(QStringLiteral("M28")), QStringLiteral("Dvacátá osmá"));
    QCOMPARE(text(QStringLiteral("T28")), QStringLiteral("4,44"));
    QVERIFY(m_editor->editRecord());
    type(QStringLiteral("T28"), QStringLiteral("5,55"));
    QVERIFY(m_editor->saveRecord());
    QCOMPARE(m_folder->table()->fieldText(QStringLiteral("C28")), QStringLiteral("5,55"));
    QCOMPARE(m_folder->table()->fieldText(QStringLiteral("C27")), QString());
    QCOMPARE(m_folder->table()->fieldText(QStringLiteral("CELKEM")), QStringLiteral("5,55"));
}

void TestZaznamEditor::editorsFollowTheRecordAndAreDisabledWhileBrowsing()
{
    open({{{"DRUH", "Audio CD"}, {"NAZEV", "První"}, {"ZANR", "Jazz"}},
          {{"DRUH", "MC"}, {"NAZEV", "Druhý"}, {"POZNAMKA", "Kazeta"}}});
    const QStringList editors = {"C1", "D1", "D2", "N1", "J1", "I1", "F1", "P1", "M1", "T30"};
    for (const QString& name : editors)
        QVERIFY2(!child<QWidget>(name)->isEnabled(), qPrintable(name));
    QVERIFY(!m_editor->isEditing());
    QCOMPARE(text(QStringLiteral("J1")), QStringLiteral("První"));
    QCOMPARE(text(QStringLiteral("F1")), QStringLiteral("Jazz"));

    QVERIFY(m_folder->table()->next());
    QCOMPARE(text(QStringLiteral("C1")), QStringLiteral("2"));
    QCOMPARE(text(QStringLiteral("J1")), QStringLiteral("Druhý"));
    QCOMPARE(text(QStringLiteral("F1")), QString());
    QCOMPARE(text(QStringLiteral("P1")), QStringLiteral("Kazeta"));

    QVERIFY(m_editor->editRecord());
    QVERIFY(m_editor->isEditing());
    for (const QString& name : editors)
        QVERIFY2(child<QWidget>(name)->isEnabled(), qPrintable(name));
    QVERIFY(!child<QWidget>(QStringLiteral("S1"))->isEnabled());
    QVERIFY(child<QWidget>(QStringLiteral("C1"))->hasFocus());
}

void TestZaznamEditor::kindRules_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<bool>("editing");
    QTest::addColumn<QStringList>("headers"); // Label31, Label33, Label32 and Label34
    QTest::addColumn<QString>("unit");
    QTest::addColumn<QString>("capacity");
    QTest::addColumn<bool>("performer");
    QTest::addColumn<QStringList>("covers");

    const QStringList song = {"Název skladby", "Název skladby", "Čas"};
    const QStringList sides = {"Název skladby - strana A", "Název skladby - strana B", "Čas"};
    const QStringList files = {"Název souboru/programu", "Název souboru/programu", "Vel."};
    const QStringList none = {"", "", ""};
    const QStringList all = {"K1", "K2", "K4", "K5"};
    for (const bool editing : {false, true}) {
        const char* state = editing ? "editing" : "browsing";
        auto row = [&](const char* kind) -> QTestData& {
            return QTest::addRow("%s %s", *kind ? kind : "empty", state)
                   << QString::fromUtf8(kind) << editing;
        };
        row("Audio CD") << song << "min."
                        << "" << true << (editing ? all : QStringList{"K2", "K4", "K5"});
        row("LP") << sides << "min."
                  << "" << true << all;
        row("MC") << sides << "min."
                  << "" << true << (editing ? all : QStringList{"K1", "K2"});
        row("Datové CD") << files << "MB"
                         << "650" << false << (editing ? all : QStringList{"K1", "K4", "K5"});
        row("Audio MP3 CD") << files << "MB"
                            << "650" << false << (editing ? all : QStringList{"K1", "K4", "K5"});
        row("") << none << ""
                << "" << false << all;
    }
}

void TestZaznamEditor::kindRules()
{
    QFETCH(QString, kind);
    QFETCH(bool, editing);
    QFETCH(QStringList, headers);
    QFETCH(QString, unit);
    QFETCH(QString, capacity);
    QFETCH(bool, performer);
    QFETCH(QStringList, covers);
    open({{{"DRUH", kind}, {"DELKA", "650"}, {"A1", "Jedna"}}});
    if (editing)
        QVERIFY(m_editor->editRecord());

    QCOMPARE(text(QStringLiteral("Label31")), headers.at(0));
    QCOMPARE(text(QStringLiteral("Label33")), headers.at(1));
    QCOMPARE(text(QStringLiteral("Label32")), headers.at(2));
    QCOMPARE(text(QStringLiteral("Label34")), headers.at(2));
    QCOMPARE(text(QStringLiteral("Label19")), unit);
    QCOMPARE(text(QStringLiteral("Label3")), unit);
    QCOMPARE(text(QStringLiteral("Label22")), capacity);
    QCOMPARE(text(QStringLiteral("Label25")), capacity);
    QCOMPARE(child<QWidget>(QStringLiteral("Label12"))->isEnabled(), performer);
    QCOMPARE(child<QWidget>(QStringLiteral("Label38"))->isEnabled(), performer);
    QCOMPARE(child<QWidget>(QStringLiteral("I1"))->isEnabled(), editing && performer);
    QCOMPARE(child<QWidget>(QStringLiteral("F1"))->isEnabled(), editing && performer);
    for (const char* cover : {"K1", "K2", "K4", "K5"})
        QVERIFY2(shown(cover) == covers.contains(cover), cover);
    QCOMPARE(m_editor->allowsGenreChoice(), capacity.isEmpty());
}

void TestZaznamEditor::kindTypedByHand()
{
    open({{{"DRUH", "Audio CD"}, {"A1", "Jedna"}}, {{"DRUH", "Minidisk"}, {"DELKA", "74"}}});
    QVERIFY(m_editor->next());
    QCOMPARE(text(QStringLiteral("D1")), QStringLiteral("Minidisk"));
    // Shown, the previous record's layout stays.
    QCOMPARE(text(QStringLiteral("Label31")), QStringLiteral("Název skladby"));
    QCOMPARE(text(QStringLiteral("Label19")), QStringLiteral("min."));
    QVERIFY(!shown(QStringLiteral("K1")));
    QVERIFY(child<QWidget>(QStringLiteral("Label12"))->isEnabled());
    // Edited, it has no kind.
    QVERIFY(m_editor->editRecord());
    QCOMPARE(text(QStringLiteral("Label31")), QString());
    QCOMPARE(text(QStringLiteral("Label19")), QString());
    QVERIFY(shown(QStringLiteral("K1")));
    QVERIFY(!child<QWidget>(QStringLiteral("I1"))->isEnabled());
    QVERIFY(!child<QWidget>(QStringLiteral("F1"))->isEnabled());
}

void TestZaznamEditor::gridColours_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QList<int>>("titled");
    QTest::addColumn<QString>("prefix");
    QTest::newRow("Audio CD 1, 2, 5") << "Audio CD" << QList<int>{1, 2, 5} << "L";
    QTest::newRow("MC side B first") << "MC" << QList<int>{16} << "Z";
    QTest::newRow("MC both sides") << "MC" << QList<int>{1, 15, 30} << "Z";
}

void TestZaznamEditor::gridColours()
{
    QFETCH(QString, kind);
    QFETCH(QList<int>, titled);
    QFETCH(QString, prefix);
    Row row{{"DRUH", kind}};
    for (const int n : titled)
        row.insert(QStringLiteral("A%1").arg(n), QStringLiteral("Skladba %1").arg(n));
    open({row});
    const QColor black(0, 0, 0);
    const QColor grey(128, 128, 128);
    for (int n = 1; n <= 30; ++n) {
        const QString name = prefix + QString::number(n);
        QCOMPARE(colour(name), titled.contains(n) ? black : grey);
    }
    QCOMPARE(text(QStringLiteral("L30")), QStringLiteral("30"));
    QCOMPARE(text(QStringLiteral("Z15")), QStringLiteral("15"));
    QCOMPARE(text(QStringLiteral("Z16")), QStringLiteral("01"));
    QCOMPARE(text(QStringLiteral("Z30")), QStringLiteral("15"));
}

void TestZaznamEditor::dataBar()
{
    open({{{"DRUH", "Datové CD"}, {"DELKA", "650"}, {"CELKEM", "700"}},
          {{"DRUH", "Datové CD"}, {"CELKEM", "100"}},
          {{"DRUH", "Audio MP3 CD"}, {"DELKA", "700,6"}, {"CELKEM", "349,5"}},
          {{"DRUH", "LP"}, {"DELKA", "45"}}});
    auto* bar = child<TGradProgress>(QStringLiteral("GradProgress1"));
    QCOMPARE(bar->maximum(), 650);
    QCOMPARE(bar->position(), 700);
    QCOMPARE(bar->fraction(), 1.0);
    QVERIFY(!shown(QStringLiteral("K2")));

    QVERIFY(m_editor->next()); // no capacity: the bar keeps what it showed
    QCOMPARE(bar->maximum(), 650);
    QCOMPARE(bar->position(), 700);
    QCOMPARE(text(QStringLiteral("Label22")), QString());

    QVERIFY(m_editor->next());
    QCOMPARE(bar->maximum(), 701);
    QCOMPARE(bar->position(), 350);
    QCOMPARE(text(QStringLiteral("Label22")), QStringLiteral("700,6"));

    QVERIFY(m_editor->next());
    for (const char* cover : {"K1", "K2", "K4", "K5"})
        QVERIFY2(shown(cover), cover);
}

void TestZaznamEditor::choosingDataCdWhileEditing()
{
    open({{{"DRUH", "Datové CD"}, {"DELKA", "650"}, {"CELKEM", "300"}},
          {{"DRUH", "Audio CD"}, {"DELKA", "74"}, {"INTERPRET", "Kapela"}}});
    auto* bar = child<TGradProgress>(QStringLiteral("GradProgress1"));
    QCOMPARE(bar->position(), 300);
    QVERIFY(m_editor->next());
    QVERIFY(m_editor->editRecord());
    QVERIFY(child<QWidget>(QStringLiteral("I1"))->isEnabled());
    QSignalSpy genreChoice(m_editor.get(), &TZaznamEditor::genreChoiceAllowedChanged);

    setKind(QStringLiteral("Datové CD"));
    QCOMPARE(text(QStringLiteral("Label31")), QStringLiteral("Název souboru/programu"));
    QCOMPARE(text(QStringLiteral("Label33")), QStringLiteral("Název souboru/programu"));
    QCOMPARE(text(QStringLiteral("Label32")), QStringLiteral("Vel."));
    QCOMPARE(text(QStringLiteral("Label19")), QStringLiteral("MB"));
    QCOMPARE(text(QStringLiteral("Label3")), QStringLiteral("MB"));
    QCOMPARE(text(QStringLiteral("Label22")), QStringLiteral("74"));
    QVERIFY(!child<QWidget>(QStringLiteral("I1"))->isEnabled());
    QVERIFY(!child<QWidget>(QStringLiteral("F1"))->isEnabled());
    QVERIFY(!child<QWidget>(QStringLiteral("Label12"))->isEnabled());
    QCOMPARE(bar->maximum(), 0);
    QCOMPARE(bar->position(), 0);
    QVERIFY(shown(QStringLiteral("K2")));
    QCOMPARE(genreChoice.count(), 1);
    QCOMPARE(genreChoice.at(0).at(0).toBool(), false);
    // The performer typed before stays with the record.
    QVERIFY(m_editor->saveRecord());
    QCOMPARE(m_folder->table()->fieldText(QStringLiteral("INTERPRET")), QStringLiteral("Kapela"));
}

void TestZaznamEditor::saveTotals_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QStringList>("tracks");
    QTest::addColumn<QString>("total");
    // Minute lengths are shown with both digits of the seconds, the table
    // keeps the number.
    QTest::addColumn<QString>("shownTotal");
    QTest::addColumn<QString>("shownFirst");
    QTest::newRow("Audio CD seconds carry") << "Audio CD" << QStringList{"3,45", "4,30"} << "8,15"
                                            << "8,15"
                                            << "3,45";
    QTest::newRow("LP 9,55 and 10,45") << "LP" << QStringList{"9,55", "10,45"} << "20,4"
                                       << "20,40"
                                       << "9,55";
    QTest::newRow("Audio CD ten seconds") << "Audio CD" << QStringList{"2,10"} << "2,1"
                                          << "2,10"
                                          << "2,10";
    QTest::newRow("MC point typed") << "MC" << QStringList{"3.45", "", "4"} << "7,45"
                                    << "7,45"
                                    << "3,45";
    QTest::newRow("MC whole minutes") << "MC" << QStringList{"4"} << "4"
                                      << "4,00"
                                      << "4,00";
    QTest::newRow("data CD plain sum")
        << "Datové CD" << QStringList{"100,5", "200,25", "50"} << "350,75"
        << "350,75"
        << "100,5";
    QTest::newRow("MP3 CD like data")
        << "Audio MP3 CD" << QStringList{"100,50", "200,25", "50"} << "350,75"
        << "350,75"
        << "100,5";
    QTest::newRow("data CD without tracks") << "Datové CD" << QStringList{} << "0"
                                            << "0"
                                            << "";
    QTest::newRow("empty kind") << "" << QStringList{"3,40"} << ""
                                << ""
                                << "3,4";
    QTest::newRow("kind typed by hand") << "Minidisk" << QStringList{"3,45"} << ""
                                        << ""
                                        << "3,45";
}

void TestZaznamEditor::saveTotals()
{
    QFETCH(QString, kind);
    QFETCH(QStringList, tracks);
    QFETCH(QString, total);
    QFETCH(QString, shownTotal);
    QFETCH(QString, shownFirst);
    open({{{"DRUH", "LP"}, {"CELKEM", "99"}}});
    QVERIFY(m_editor->newRecord());
    QVERIFY(child<QWidget>(QStringLiteral("C1"))->hasFocus());
    type(QStringLiteral("C1"), QStringLiteral("7"));
    type(QStringLiteral("D1"), kind);
    for (int n = 1; n <= tracks.size(); ++n)
        type(QStringLiteral("T%1").arg(n), tracks.at(n - 1));
    const Status saved = m_editor->saveRecord();
    QVERIFY2(saved, qPrintable(saved.toString()));
    QVERIFY(!m_editor->isEditing());
    QCOMPARE(m_folder->table()->recordCount(), 2);
    QCOMPARE(m_folder->table()->fieldText(QStringLiteral("CISLO")), QStringLiteral("7"));
    QCOMPARE(m_folder->table()->fieldText(QStringLiteral("DRUH")), kind);
    QCOMPARE(m_folder->table()->fieldText(QStringLiteral("CELKEM")), total);
    QCOMPARE(text(QStringLiteral("S1")), shownTotal);
    QCOMPARE(text(QStringLiteral("T1")), shownFirst);
    // Browsing away and back shows the stored record the same way.
    QVERIFY(m_editor->first());
    QVERIFY(m_editor->last());
    QCOMPARE(text(QStringLiteral("S1")), shownTotal);
    QCOMPARE(text(QStringLiteral("T1")), shownFirst);
}

void TestZaznamEditor::capacityInMinutesShowsBothDigits_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("shown");
    QTest::newRow("MC half a minute") << "MC"
                                      << "59,3"
                                      << "59,30";
    QTest::newRow("Audio CD whole minutes") << "Audio CD"
                                            << "74"
                                            << "74";
    QTest::newRow("data CD megabytes") << "Datové CD"
                                       << "650,5"
                                       << "650,5";
}

void TestZaznamEditor::capacityInMinutesShowsBothDigits()
{
    QFETCH(QString, kind);
    QFETCH(QString, stored);
    QFETCH(QString, shown);
    open({{{"DRUH", kind}, {"DELKA", stored}}});
    QCOMPARE(text(QStringLiteral("N1")), shown);
    QVERIFY(m_editor->editRecord());
    QVERIFY(m_editor->saveRecord());
    QCOMPARE(m_folder->table()->fieldText(QStringLiteral("DELKA")), stored);
    QCOMPARE(text(QStringLiteral("N1")), shown);
}

void TestZaznamEditor::saveStampsTheDate()
{
    open({{{"DRUH", "MC"}, {"DATUM", "2001-01-01"}, {"PUJCENO", "Půjčeno"}}});
    QCOMPARE(m_folder->table()->fieldValueText(QStringLiteral("DATUM")),
             QStringLiteral("2001-01-01"));
    QVERIFY(m_editor->editRecord());
    type(QStringLiteral("J1"), QStringLiteral("Kazeta"));
    QVERIFY(m_editor->saveRecord());
    const QString today = QDate::currentDate().toString(Qt::ISODate);
    QCOMPARE(m_folder->table()->fieldValueText(QStringLiteral("DATUM")), today);
    QCOMPARE(text(QStringLiteral("DBText1")),
             m_folder->table()->fieldText(QStringLiteral("DATUM")));
    QCOMPARE(m_folder->table()->fieldText(QStringLiteral("PUJCENO")), QStringLiteral("Půjčeno"));
    QCOMPARE(m_folder->table()->fieldText(QStringLiteral("NAZEV")), QStringLiteral("Kazeta"));
}

void TestZaznamEditor::refusedInputKeepsEverythingTyped_data()
{
    QTest::addColumn<QString>("editor");
    QTest::addColumn<QString>("bad");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("corrected");
    QTest::newRow("track sign only") << "T3"
                                     << "-"
                                     << "Stopa 3: „-“ není platné číslo."
                                     << "1";
    QTest::newRow("track separator only") << "T5"
                                          << ","
                                          << "Stopa 5"
                                          << "";
    QTest::newRow("track too large") << "T1"
                                     << "1234567"
                                     << "Stopa 1: Hodnota 1234567 je příliš velká."
                                     << "3,45";
    QTest::newRow("evidence number") << "C1"
                                     << "-"
                                     << "Evidenční číslo"
                                     << "12";
    QTest::newRow("capacity") << "N1"
                              << "."
                              << "Délka nosiče"
                              << "74";
    QTest::newRow("date") << "D2"
                          << "32.13.2020"
                          << "Datum pořízení"
                          << "";
    QTest::newRow("note too long") << "P1" << QString(300, QLatin1Char('x')) << "Poznámka"
                                   << "ok";
    QTest::newRow("title not storable") << "M4"
                                        << "日本"
                                        << "Stopa 4"
                                        << "Nihon";
}

void TestZaznamEditor::refusedInputKeepsEverythingTyped()
{
    QFETCH(QString, editor);
    QFETCH(QString, bad);
    QFETCH(QString, message);
    QFETCH(QString, corrected);
    open({{{"DRUH", "Audio CD"}, {"NAZEV", "Staré"}, {"C2", "1"}}});
    QVERIFY(m_editor->editRecord());
    type(QStringLiteral("J1"), QStringLiteral("Nové album"));
    type(QStringLiteral("T2"), QStringLiteral("2,30"));
    type(editor, bad);

    const Status refused = m_editor->saveRecord();
    QVERIFY(!refused);
    QVERIFY2(refused.message().contains(message), qPrintable(refused.message()));
    QVERIFY(m_editor->isEditing());
    QVERIFY(m_folder->table()->isEditing());
    QVERIFY(child<QWidget>(editor)->isEnabled());
    QVERIFY(child<QWidget>(editor)->isAncestorOf(QApplication::focusWidget()) ||
            child<QWidget>(editor)->hasFocus());
    QCOMPARE(text(editor), bad);
    QCOMPARE(text(QStringLiteral("J1")), QStringLiteral("Nové album"));
    QCOMPARE(text(QStringLiteral("T2")), QStringLiteral("2,30"));

    type(editor, corrected);
    const Status saved = m_editor->saveRecord();
    QVERIFY2(saved, qPrintable(saved.toString()));
    QCOMPARE(m_folder->table()->fieldText(QStringLiteral("NAZEV")), QStringLiteral("Nové album"));
    QCOMPARE(m_folder->table()->fieldText(QStringLiteral("C2")), QStringLiteral("2,3"));
}

void TestZaznamEditor::takenEvidenceNumberIsRefused_data()
{
    QTest::addColumn<bool>("newRecord");
    QTest::addColumn<QString>("number");
    QTest::addColumn<QString>("holder"); // empty: the save goes through
    QTest::newRow("edited takes the first's") << false << "1"
                                              << "„První“";
    QTest::newRow("edited takes it written otherwise") << false << "1,0"
                                                       << "„První“";
    QTest::newRow("new takes the second's") << true << "2"
                                            << "„Druhá“";
    QTest::newRow("edited keeps its own") << false << "2"
                                          << "";
    QTest::newRow("new gets a free one") << true << "3"
                                         << "";
}

void TestZaznamEditor::takenEvidenceNumberIsRefused()
{
    QFETCH(bool, newRecord);
    QFETCH(QString, number);
    QFETCH(QString, holder);
    open({{{"NAZEV", "První"}}, {{"NAZEV", "Druhá"}}});
    QVERIFY(m_editor->next());
    const int position = m_folder->table()->recNo();
    QVERIFY(newRecord ? m_editor->newRecord() : m_editor->editRecord());
    type(QStringLiteral("C1"), number);
    type(QStringLiteral("J1"), QStringLiteral("Napsané"));

    const Status saved = m_editor->saveRecord();
    if (holder.isEmpty()) {
        QVERIFY2(saved, qPrintable(saved.toString()));
        QCOMPARE(m_folder->table()->fieldText(QStringLiteral("NAZEV")), QStringLiteral("Napsané"));
        return;
    }
    QVERIFY(!saved);
    QVERIFY2(saved.message().contains(holder), qPrintable(saved.message()));
    QVERIFY(m_editor->isEditing());
    QVERIFY(m_folder->table()->isEditing());
    QVERIFY(child<QWidget>(QStringLiteral("C1"))->hasFocus());
    QCOMPARE(text(QStringLiteral("C1")), number);
    QCOMPARE(text(QStringLiteral("J1")), QStringLiteral("Napsané"));
    QVERIFY(m_editor->undoRecord());
    QCOMPARE(m_folder->table()->recNo(), position);
    QCOMPARE(m_folder->table()->recordCount(), 2);
    QCOMPARE(m_folder->table()->fieldText(QStringLiteral("NAZEV")), QStringLiteral("Druhá"));
}

void TestZaznamEditor::enterSavesAndNoteTakesNewLines()
{
    open({{{"DRUH", "Audio CD"}}});
    QVERIFY(m_editor->editRecord());
    type(QStringLiteral("P1"), QStringLiteral("první"));
    auto* note = child<QPlainTextEdit>(QStringLiteral("P1"));
    QTest::keyClick(note, Qt::Key_Return, Qt::ShiftModifier);
    typeText(note, QStringLiteral("druhá"));
    QTest::keyClick(note, Qt::Key_Return, Qt::ControlModifier);
    typeText(note, QStringLiteral("třetí"));
    QVERIFY(m_editor->isEditing());
    QCOMPARE(note->toPlainText(), QStringLiteral("první\ndruhá\ntřetí"));

    type(QStringLiteral("T1"), QStringLiteral("3,45"));
    QTest::keyClick(child<QWidget>(QStringLiteral("T1")), Qt::Key_Return);
    QVERIFY(!m_editor->isEditing());
    QCOMPARE(m_folder->table()->fieldText(QStringLiteral("CELKEM")), QStringLiteral("3,45"));
    QCOMPARE(m_folder->table()->fieldText(QStringLiteral("POZNAMKA")),
             QStringLiteral("první\ndruhá\ntřetí"));

    // A refused save from the keyboard is reported for the window to show.
    QSignalSpy failed(m_editor.get(), &TZaznamEditor::commandFailed);
    QVERIFY(m_editor->editRecord());
    type(QStringLiteral("T1"), QStringLiteral("-"));
    QTest::keyClick(child<QWidget>(QStringLiteral("J1")), Qt::Key_Enter, Qt::KeypadModifier);
    QCOMPARE(failed.count(), 1);
    QVERIFY(m_editor->isEditing());
}

void TestZaznamEditor::dateFromTheCalendarOrEmpty()
{
    open({{{"DRUH", "LP"}, {"DATUM1", "1999-12-24"}}});
    auto* date = child<TDatumEdit>(QStringLiteral("D2"));
    QCOMPARE(date->date(), QDate(1999, 12, 24));
    QVERIFY(m_editor->editRecord());
    QTest::mouseClick(date->dropButton(), Qt::LeftButton);
    QVERIFY(date->isCalendarShown());
    QCOMPARE(date->calendar()->selectedDate(), QDate(1999, 12, 24));
    date->calendar()->setSelectedDate(QDate(2001, 2, 3));
    QTest::keyClick(date->calendar()->focusWidget(), Qt::Key_Return);
    QVERIFY(!date->isCalendarShown());
    QCOMPARE(date->date(), QDate(2001, 2, 3));
    QVERIFY(m_editor->saveRecord());
    QCOMPARE(m_folder->table()->fieldValueText(QStringLiteral("DATUM1")),
             QStringLiteral("2001-02-03"));

    QVERIFY(m_editor->editRecord());
    type(QStringLiteral("D2"), QString());
    QVERIFY(m_editor->saveRecord());
    QCOMPARE(m_folder->table()->fieldValueText(QStringLiteral("DATUM1")), QString());
    QCOMPARE(text(QStringLiteral("D2")), QString());
}

void TestZaznamEditor::dateEditorHoldsEveryDateOfItsLocale_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::newRow("cs_CZ") << QLocale(QLocale::Czech, QLocale::CzechRepublic);
    QTest::newRow("C") << QLocale::c();
    QTest::newRow("en_US") << QLocale(QLocale::English, QLocale::UnitedStates);
    QTest::newRow("de_DE") << QLocale(QLocale::German, QLocale::Germany);
}

// Month names make some short forms longer than ten characters; such a date
// must neither be cut when typed or chosen nor hidden behind the button.
void TestZaznamEditor::dateEditorHoldsEveryDateOfItsLocale()
{
    QFETCH(QLocale, locale);
    TDatumEdit date;
    date.setLocale(locale);
    date.resize(date.sizeHint());
    const QFontMetrics metrics(date.lineEdit()->font());
    for (int month = 1; month <= 12; ++month) {
        const QDate day(2000, month, 30 - (month == 2 ? 1 : 0));
        date.setDate(day);
        QCOMPARE(date.date(), day);
        QLineEdit* edit = date.lineEdit();
        edit->clear();
        QTest::keyClicks(edit, locale.toString(day, date.format()));
        QCOMPARE(date.date(), day);
        QVERIFY2(metrics.horizontalAdvance(edit->text()) <= edit->contentsRect().width() - 4,
                 qPrintable(edit->text()));
    }
}

void TestZaznamEditor::blankGenreClearsTheGenre()
{
    open({{{"DRUH", "Audio CD"}, {"ZANR", "Techno"}}});
    QVERIFY(m_editor->editRecord());
    auto* genres = child<QComboBox>(QStringLiteral("F1"));
    QCOMPARE(genres->currentText(), QStringLiteral("Techno"));
    genres->setFocus();
    QTest::keyClick(genres, Qt::Key_Down);
    QCOMPARE(genres->currentText(), QString());
    QVERIFY(m_editor->saveRecord());
    QCOMPARE(m_folder->table()->fieldText(QStringLiteral("ZANR")), QString());
}

void TestZaznamEditor::undoOnNewRecordDiscardsIt()
{
    open({{{"NAZEV", "Jedna"}}, {{"NAZEV", "Dvě"}}, {{"NAZEV", "Tři"}}});
    QVERIFY(m_editor->next());
    QVERIFY(m_editor->newRecord());
    QCOMPARE(text(QStringLiteral("J1")), QString());
    type(QStringLiteral("C1"), QStringLiteral("9"));
    type(QStringLiteral("J1"), QStringLiteral("Nový"));
    QVERIFY(m_editor->undoRecord());
    QVERIFY(!m_editor->isEditing());
    QVERIFY(!m_folder->table()->isEditing());
    QCOMPARE(m_folder->table()->recordCount(), 3);
    QCOMPARE(text(QStringLiteral("C1")), QStringLiteral("2"));
    QCOMPARE(text(QStringLiteral("J1")), QStringLiteral("Dvě"));
}

void TestZaznamEditor::deleteMovesToTheNextRecord_data()
{
    QTest::addColumn<int>("steps");
    QTest::addColumn<QString>("shown");
    QTest::newRow("first") << 0 << "2";
    QTest::newRow("middle") << 1 << "3";
    QTest::newRow("last") << 2 << "2";
}

void TestZaznamEditor::deleteMovesToTheNextRecord()
{
    QFETCH(int, steps);
    QFETCH(QString, shown);
    open({{{"NAZEV", "Jedna"}}, {{"NAZEV", "Dvě"}}, {{"NAZEV", "Tři"}}});
    for (int i = 0; i < steps; ++i)
        QVERIFY(m_editor->next());
    QVERIFY(m_editor->deleteRecord());
    QCOMPARE(m_folder->table()->recordCount(), 2);
    QCOMPARE(text(QStringLiteral("C1")), shown);

    QVERIFY(m_editor->editRecord());
    QVERIFY(!m_editor->deleteRecord()); // not while the record is edited
    QCOMPARE(m_folder->table()->recordCount(), 2);
}

// A window may post or drop the record itself, as the save question does;
// what was typed is in the record by then.
void TestZaznamEditor::tableLeavingEditingTakesTheEditors()
{
    open({{{"DRUH", "LP"}, {"NAZEV", "Staré"}}});
    QVERIFY(m_editor->editRecord());
    type(QStringLiteral("J1"), QStringLiteral("Psáno"));
    type(QStringLiteral("M2"), QStringLiteral("Druhá"));
    QVERIFY(m_folder->table()->post());
    QVERIFY(!m_editor->isEditing());
    QVERIFY(!child<QWidget>(QStringLiteral("J1"))->isEnabled());
    QCOMPARE(m_folder->table()->fieldText(QStringLiteral("NAZEV")), QStringLiteral("Psáno"));
    QCOMPARE(m_folder->table()->fieldText(QStringLiteral("A2")), QStringLiteral("Druhá"));
    QCOMPARE(text(QStringLiteral("J1")), QStringLiteral("Psáno"));
}

void TestZaznamEditor::clipboardFollowsTheFocus()
{
    open({{{"DRUH", "Audio CD"}, {"A7", "Sedmá"}, {"NAZEV", "Album"}}});
    QAction* copyItem = m_editor->popupMenu()->findChild<QAction*>(QStringLiteral("MP2"));
    QVERIFY(!copyItem->isEnabled());
    QSignalSpy target(m_editor.get(), &TZaznamEditor::clipboardTargetChanged);
    QVERIFY(m_editor->editRecord());

    auto* seventh = child<QLineEdit>(QStringLiteral("M7"));
    seventh->setFocus();
    QVERIFY(copyItem->isEnabled());
    QCOMPARE(target.last().at(0).toBool(), true);
    child<QWidget>(QStringLiteral("C1"))->setFocus();
    QVERIFY(!copyItem->isEnabled());
    QCOMPARE(target.last().at(0).toBool(), false);
    QCOMPARE(m_editor->clipboardTarget(), seventh);
    seventh->setFocus();
    QVERIFY(copyItem->isEnabled());

    seventh->selectAll();
    copyItem->trigger();
    QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("Sedmá"));
    // The menu bar takes the keyboard for an access key and gives it back
    // before the chosen command runs.
    QApplication::clipboard()->clear();
    auto* menuBar = new QMenuBar(m_editor.get());
    menuBar->show();
    menuBar->setFocus(Qt::MenuBarFocusReason);
    QVERIFY(menuBar->hasFocus());
    seventh->setFocus(Qt::MenuBarFocusReason);
    copyItem->trigger();
    QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("Sedmá"));

    auto* title = child<QLineEdit>(QStringLiteral("J1"));
    title->setFocus();
    title->selectAll();
    m_editor->paste();
    QCOMPARE(title->text(), QStringLiteral("Sedmá"));
    QCOMPARE(seventh->text(), QStringLiteral("Sedmá"));
    title->selectAll();
    m_editor->cut();
    QCOMPARE(title->text(), QString());

    QVERIFY(m_editor->undoRecord());
    QVERIFY(!copyItem->isEnabled());
    QCOMPARE(text(QStringLiteral("J1")), QStringLiteral("Album"));
}

void TestZaznamEditor::clipboardOnEveryEditor_data()
{
    QTest::addColumn<QString>("editor");
    QTest::addColumn<QString>("clipboard");
    for (const char* editor : {"J1", "I1", "P1", "M7", "C1", "D1", "N1", "D2", "T7"}) {
        for (const char* clipboard : {"empty", "text", "picture"})
            QTest::addRow("%s %s", editor, clipboard) << editor << clipboard;
    }
}

// Every way of cutting, copying and pasting, in every kind of editor, with
// nothing, a text or only a picture on the clipboard.
void TestZaznamEditor::clipboardOnEveryEditor()
{
    QFETCH(QString, editor);
    QFETCH(QString, clipboard);
    open({{{"DRUH", "Audio CD"},
           {"NAZEV", "Album"},
           {"INTERPRET", "Kapela"},
           {"POZNAMKA", "Poznámka"},
           {"A7", "Sedmá"},
           {"C7", "3,45"},
           {"DELKA", "74"},
           {"DATUM1", "2001-02-03"}}});
    QVERIFY(m_editor->editRecord());
    QWidget* shown = child<QWidget>(editor);
    QWidget* input = shown;
    if (auto* combo = qobject_cast<QComboBox*>(shown))
        input = combo->lineEdit();
    else if (auto* date = qobject_cast<TDatumEdit*>(shown))
        input = date->lineEdit();
    auto* pages = child<QTabWidget>(QStringLiteral("PageControl1"));
    pages->setCurrentIndex(pages->widget(1)->isAncestorOf(shown) ? 1 : 0);
    input->setFocus();
    QVERIFY(input->hasFocus());

    const QString original = text(editor);
    QClipboard* board = QApplication::clipboard();
    // An empty clipboard is what the X11 desktop offers before anyone copied:
    // data without a single format.
    const auto fill = [board, clipboard] {
        board->setMimeData(new QMimeData);
        if (clipboard == QLatin1String("text"))
            board->setText(QStringLiteral("12"));
        else if (clipboard == QLatin1String("picture"))
            board->setImage(QImage(4, 4, QImage::Format_RGB32));
    };
    const auto select = [input](bool all) {
        if (auto* note = qobject_cast<QPlainTextEdit*>(input))
            all ? note->selectAll() : note->moveCursor(QTextCursor::End);
        else
            all ? qobject_cast<QLineEdit*>(input)->selectAll()
                : qobject_cast<QLineEdit*>(input)->end(false);
    };
    // The date editor takes only what still reads as a date.
    const bool takesText = clipboard == QLatin1String("text") && editor != QLatin1String("D2");
    const QString pasted = original + (takesText ? QStringLiteral("12") : QString());

    // The keys of the editor itself.
    fill();
    select(false);
    QTest::keyClick(input, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(text(editor), pasted);
    select(true);
    QTest::keyClick(input, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(board->text(), pasted);
    fill();
    select(true);
    QTest::keyClick(input, Qt::Key_X, Qt::ControlModifier);
    QCOMPARE(board->text(), pasted);
    QCOMPARE(text(editor), QString());

    // The record menu's items, offered only in the text editors.
    QMenu* menu = m_editor->popupMenu();
    QAction* paste = menu->findChild<QAction*>(QStringLiteral("MP3"));
    const bool textEditor = QStringList{"J1", "I1", "P1", "M7"}.contains(editor);
    QCOMPARE(paste->isEnabled(), textEditor);
    if (textEditor) {
        type(editor, original);
        fill();
        select(false);
        paste->trigger();
        QCOMPARE(text(editor), pasted);
        select(true);
        menu->findChild<QAction*>(QStringLiteral("MP2"))->trigger();
        QCOMPARE(board->text(), pasted);
        fill();
        select(true);
        menu->findChild<QAction*>(QStringLiteral("MP1"))->trigger();
        QCOMPARE(board->text(), pasted);
        QCOMPARE(text(editor), QString());
    }
    QVERIFY(m_editor->isEditing());
    QVERIFY(m_editor->undoRecord());
    QCOMPARE(text(editor), original);
}

void TestZaznamEditor::loanMark()
{
    open({{{"PUJCENO", "Půjčeno"}}, {{"PUJCENO", ""}}});
    auto* mark = child<QLabel>(QStringLiteral("RxLabel1"));
    QCOMPARE(mark->cursor().shape(), Qt::PointingHandCursor);
    QCOMPARE(colour(QStringLiteral("RxLabel1")), QColor(255, 0, 0));
    QVERIFY(m_editor->next());
    QCOMPARE(colour(QStringLiteral("RxLabel1")), QColor(128, 128, 128));
    QSignalSpy clicked(m_editor.get(), &TZaznamEditor::loanMarkClicked);
    QTest::mouseClick(mark, Qt::LeftButton, {}, QPoint(5, 5));
    QCOMPARE(clicked.count(), 1);
}

void TestZaznamEditor::popupMenuItems_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QKeySequence>("shortcut");
    QTest::addColumn<QString>("hint");
    QTest::addColumn<bool>("atFirstRecord"); // enabled while the first of two is shown
    QTest::newRow("MP0") << "MP0"
                         << "Náhled..." << QKeySequence() << "Zobrazí náhled tiskových sestav"
                         << true;
    QTest::newRow("MP01") << "MP01"
                          << "Tisk..." << QKeySequence(Qt::CTRL | Qt::Key_P)
                          << "Zobrazí dialog pro výběr tisku jednotlivých sestav" << true;
    QTest::newRow("MP1") << "MP1"
                         << "Vyjmout" << QKeySequence(Qt::CTRL | Qt::Key_X)
                         << "Vyjme označený text a uloží ho do schránky" << false;
    QTest::newRow("MP2") << "MP2"
                         << "Kopírovat" << QKeySequence(Qt::CTRL | Qt::Key_C)
                         << "Zkopíruje označený text do schránky" << false;
    QTest::newRow("MP3") << "MP3"
                         << "Vložit" << QKeySequence(Qt::CTRL | Qt::Key_V)
                         << "Vloží text ze schránky na místo kurzoru" << false;
    QTest::newRow("MP4") << "MP4"
                         << "Odstranit záznam" << QKeySequence(Qt::CTRL | Qt::Key_Delete)
                         << "Zruší aktuální záznam ve vybrané databázi" << true;
    QTest::newRow("MP5") << "MP5"
                         << "Editovat záznam" << QKeySequence(Qt::CTRL | Qt::Key_Insert)
                         << "Umožní editaci aktuálního záznamu ve vybrané databázi" << true;
    QTest::newRow("MP6") << "MP6"
                         << "Uložit záznam" << QKeySequence(Qt::Key_Enter)
                         << "Uloží změny aktuálního záznamu ve vybrané databázi" << false;
    QTest::newRow("MP13") << "MP13"
                          << "Zpět" << QKeySequence()
                          << "Vrátí změny aktuálního záznamu ve vybrané databázi" << false;
    QTest::newRow("MP7") << "MP7"
                         << "Najít..." << QKeySequence(Qt::CTRL | Qt::Key_F)
                         << "Vyhledá záznam ve vybrané databázi" << true;
    QTest::newRow("MP") << "MP"
                        << "Přejít na ..." << QKeySequence() << "" << true;
    QTest::newRow("MP8") << "MP8"
                         << "První" << QKeySequence(Qt::Key_F5)
                         << "Zobrazí první záznam vybrané databáze" << false;
    QTest::newRow("MP9") << "MP9"
                         << "Předchozí" << QKeySequence(Qt::Key_F6)
                         << "Zobrazí předchozí záznam vybrané databáze" << false;
    QTest::newRow("MP10") << "MP10"
                          << "Další" << QKeySequence(Qt::Key_F7)
                          << "Zobrazí následující záznam vybrané databáze" << true;
    QTest::newRow("MP11") << "MP11"
                          << "Poslední" << QKeySequence(Qt::Key_F8)
                          << "Zobrazí poslední záznam vybrané databáze" << true;
    QTest::newRow("MP12") << "MP12"
                          << "Nový záznam" << QKeySequence(Qt::Key_Insert)
                          << "Vytvoří nový záznam ve vybrané databázi" << true;
}

void TestZaznamEditor::popupMenuItems()
{
    QFETCH(QString, name);
    QFETCH(QString, caption);
    QFETCH(QKeySequence, shortcut);
    QFETCH(QString, hint);
    QFETCH(bool, atFirstRecord);
    open({{{"NAZEV", "Jedna"}}, {{"NAZEV", "Dvě"}}});
    // The window answers preview, print and search.
    for (auto request : {TZaznamEditor::Request::Preview, TZaznamEditor::Request::Print,
                         TZaznamEditor::Request::Search})
        m_editor->setAnswered(request);
    QMenu* menu = m_editor->popupMenu();
    QCOMPARE(menu->objectName(), QStringLiteral("PopupMenu1"));
    auto* item = menu->findChild<QAction*>(name);
    QVERIFY(item);
    QCOMPARE(item->text(), caption);
    QCOMPARE(item->shortcut(), shortcut);
    QCOMPARE(item->statusTip(), hint);
    QCOMPARE(item->isEnabled(), atFirstRecord);
}

void TestZaznamEditor::popupMenuFollowsTheState()
{
    open({{{"NAZEV", "Jedna"}}, {{"NAZEV", "Dvě"}}});
    QMenu* menu = m_editor->popupMenu();
    const auto enabled = [menu](const char* name) {
        return menu->findChild<QAction*>(QString::fromLatin1(name))->isEnabled();
    };
    QSignalSpy deleteAsked(m_editor.get(), &TZaznamEditor::deleteRequested);
    QVERIFY(!enabled("MP8"));
    menu->findChild<QAction*>(QStringLiteral("MP10"))->trigger();
    QCOMPARE(text(QStringLiteral("J1")), QStringLiteral("Dvě"));
    QVERIFY(enabled("MP8"));
    QVERIFY(enabled("MP10"));
    menu->findChild<QAction*>(QStringLiteral("MP11"))->trigger();
    QVERIFY(!enabled("MP10"));
    QVERIFY(!enabled("MP11"));
    menu->findChild<QAction*>(QStringLiteral("MP4"))->trigger();
    QCOMPARE(deleteAsked.count(), 1);
    QCOMPARE(m_folder->table()->recordCount(), 2);

    menu->findChild<QAction*>(QStringLiteral("MP5"))->trigger();
    QVERIFY(m_editor->isEditing());
    QVERIFY(enabled("MP6"));
    QVERIFY(enabled("MP13"));
    QVERIFY(!enabled("MP4"));
    QVERIFY(!enabled("MP5"));
    QVERIFY(!enabled("MP7"));
    QVERIFY(!enabled("MP"));
    menu->findChild<QAction*>(QStringLiteral("MP13"))->trigger();
    QVERIFY(!m_editor->isEditing());
    QVERIFY(enabled("MP5"));
    QVERIFY(!enabled("MP6"));

    // Preview, print and search are offered once someone carries them out.
    QVERIFY(!enabled("MP0") && !enabled("MP01") && !enabled("MP7"));
    QSignalSpy preview(m_editor.get(), &TZaznamEditor::previewRequested);
    m_editor->setAnswered(TZaznamEditor::Request::Preview);
    m_editor->setAnswered(TZaznamEditor::Request::Search);
    QVERIFY(enabled("MP0") && enabled("MP7") && !enabled("MP01"));
    menu->findChild<QAction*>(QStringLiteral("MP0"))->trigger();
    QCOMPARE(preview.count(), 1);
    QVERIFY(m_editor->editRecord());
    QVERIFY(!enabled("MP0") && !enabled("MP7"));
    QVERIFY(m_editor->undoRecord());
    QVERIFY(enabled("MP0") && enabled("MP7"));
    m_editor->setAnswered(TZaznamEditor::Request::Search, false);
    QVERIFY(enabled("MP0") && !enabled("MP7"));
}

void TestZaznamEditor::rightClickBringsTheRecordMenu_data()
{
    QTest::addColumn<QString>("editor");
    QTest::addColumn<bool>("editing");
    QTest::newRow("note shown") << "P1" << false;
    QTest::newRow("note edited") << "P1" << true;
    QTest::newRow("title edited") << "M3" << true;
    QTest::newRow("kind edited") << "D1" << true;
    QTest::newRow("date edited") << "D2" << true;
}

void TestZaznamEditor::rightClickBringsTheRecordMenu()
{
    QFETCH(QString, editor);
    QFETCH(bool, editing);
    open({{{"DRUH", "LP"}}});
    if (editing)
        QVERIFY(m_editor->editRecord());
    QWidget* target = child<QWidget>(editor);
    if (auto* note = qobject_cast<QPlainTextEdit*>(target))
        target = note->viewport();
    else if (auto* combo = qobject_cast<QComboBox*>(target))
        target = combo->lineEdit();
    else if (auto* date = qobject_cast<TDatumEdit*>(target))
        target = date->lineEdit();
    m_editor->findChild<QTabWidget*>()->setCurrentWidget(
        m_editor->findChild<QTabWidget*>()->widget(editor.startsWith('M') ? 1 : 0));
    QContextMenuEvent click(QContextMenuEvent::Mouse, QPoint(4, 4),
                            target->mapToGlobal(QPoint(4, 4)));
    QApplication::sendEvent(target, &click);
    QVERIFY(m_editor->popupMenu()->isVisible());
    QCOMPARE(QApplication::activePopupWidget(), m_editor->popupMenu());
    m_editor->popupMenu()->hide();
}

QTEST_MAIN(TestZaznamEditor)
#include "test_zaznameditor.moc"
