#include "AddressLinks.h"
#include "LoanCheck.h"
#include "LoanFiles.h"
#include "LoanRegister.h"

#include <QTemporaryDir>
#include <QTest>

#include <linux/capability.h>
#include <sys/syscall.h>
#include <unistd.h>

using loanfiles::Row;

namespace {

// Root writes a read-only file regardless; without this capability the
// thread is held to the mode bits like anybody else.
class WithoutOverride final
{
public:
    WithoutOverride()
    {
        if (syscall(SYS_capget, &m_header, m_saved) != 0)
            return;
        __user_cap_data_struct lowered[2] = {m_saved[0], m_saved[1]};
        lowered[0].effective &= ~(1u << CAP_DAC_OVERRIDE);
        m_lowered = syscall(SYS_capset, &m_header, lowered) == 0;
    }
    ~WithoutOverride()
    {
        if (m_lowered)
            (void)syscall(SYS_capset, &m_header, m_saved);
    }
    WithoutOverride(const WithoutOverride&) = delete;
    WithoutOverride& operator=(const WithoutOverride&) = delete;

private:
    __user_cap_header_struct m_header{_LINUX_CAPABILITY_VERSION_3, 0};
    __user_cap_data_struct m_saved[2]{};
    bool m_lowered = false;
};

} // namespace

class TestLoans : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void registerKeepsSiblingsRecords();
    void cardValuesChecked_data();
    void cardValuesChecked();
    void personMarkedExactly_data();
    void personMarkedExactly();
    void progressPositions_data();
    void progressPositions();
    void booksKeepWhatSiblingsWrote();

private:
    QString folder() const { return m_dir->path() + QLatin1Char('/'); }
    QString book(int n) const { return folder() + QStringLiteral("Adresar%1.dbf").arg(n); }
    static TVypujcka loan(const QString& id, const QString& prijmeni = QStringLiteral("Novák"))
    {
        TVypujcka l;
        l.prijmeni = prijmeni;
        l.jmeno = QStringLiteral("Jan");
        l.ulice = QStringLiteral("Dlouhá");
        l.psc = QStringLiteral("11000");
        l.datum = QDate(2026, 12, 10);
        l.id = id;
        l.program = QStringLiteral("AS");
        return l;
    }

    std::unique_ptr<QTemporaryDir> m_dir;
};

void TestLoans::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    loanfiles::create(folder(), QStringLiteral("Pujcovna"),
                      {{{"PRIJMENI", "Cizí"}, {"ID", "12"}, {"PROGRAM", "KN"}}});
}

// Other programs' records, also those written meanwhile, stay as they are.
void TestLoans::registerKeepsSiblingsRecords()
{
    LoanRegister reg(folder());
    QVERIFY(!reg.find("AS", "12"));
    QVERIFY(reg.store(loan("12")));
    loanfiles::append(folder(), "Pujcovna.dbf", {{{"PRIJMENI", "Sourozenec"}, {"ID", "13"}}});
    TVypujcka changed = loan("12", QStringLiteral("Dvořák"));
    changed.obec = QStringLiteral("Brno");
    QVERIFY(reg.store(changed));
    QVERIFY(reg.store(loan("13")));
    QCOMPARE(reg.find("AS", "12"), changed);
    QVERIFY(!reg.find("A1", "12"));
    QCOMPARE(loanfiles::column(folder(), "Pujcovna.dbf", "PRIJMENI"),
             (QStringList{"Cizí", "Dvořák", "Sourozenec", "Novák"}));
    QVERIFY(reg.remove("AS", "12"));
    QVERIFY(!reg.find("AS", "12"));
    QVERIFY(reg.namesPerson("AS", loan("13").osoba()));
    QVERIFY(!reg.namesPerson("AS", changed.osoba()));
    QCOMPARE(loanfiles::column(folder(), "Pujcovna.dbf", "ID"), (QStringList{"12", "13", "13"}));
}

void TestLoans::cardValuesChecked_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("message");
    QTest::newRow("post code with a blank") << "psc"
                                            << "110 00"
                                            << "číslice";
    QTest::newRow("post code too long") << "psc"
                                        << "12345678901"
                                        << "nejvýše 10";
    QTest::newRow("surname too long") << "prijmeni" << QString(51, 'x') << "„Příjmení“";
    QTest::newRow("letter outside the page") << "jmeno"
                                             << "Jan 张"
                                             << "„Jméno“";
    QTest::newRow("house number too long") << "cislo" << QString(21, '1') << "„Blok/Číslo“";
    QTest::newRow("everything fits") << "obec"
                                     << "Čáslav"
                                     << "";
    QTest::newRow("empty post code") << "psc"
                                     << ""
                                     << "";
}

void TestLoans::cardValuesChecked()
{
    QFETCH(QString, field);
    QFETCH(QString, value);
    QFETCH(QString, message);
    TVypujcka card = loan("12");
    QMap<QString, QString TVypujcka::*> fields{{"psc", &TVypujcka::psc},
                                               {"prijmeni", &TVypujcka::prijmeni},
                                               {"jmeno", &TVypujcka::jmeno},
                                               {"cislo", &TVypujcka::cislo},
                                               {"obec", &TVypujcka::obec}};
    card.*fields.value(field) = value;
    LoanRegister reg(folder());
    const Status s = loancheck::check(card, reg.codePage());
    QCOMPARE(s.isOk(), message.isEmpty());
    QVERIFY2(s.message().contains(message), qPrintable(s.message()));
    // What passes the check is what the register takes.
    if (s)
        QVERIFY(reg.store(card));
}

void TestLoans::personMarkedExactly_data()
{
    QTest::addColumn<QString>("prijmeni");
    QTest::addColumn<QString>("jmeno");
    QTest::addColumn<QList<int>>("marked");
    // Book rows: Novák Jan, Novák Petr, O'Brien Jan, novák Jan, Novák Jan in another street.
    QTest::newRow("same surname, only the first name that matches") << "Novák"
                                                                    << "Jan" << QList<int>{0};
    QTest::newRow("the other first name") << "Novák"
                                          << "Petr" << QList<int>{1};
    QTest::newRow("apostrophe") << "O'Brien"
                                << "Jan" << QList<int>{2};
    QTest::newRow("letter case counts") << "NOVÁK"
                                        << "Jan" << QList<int>{};
}

void TestLoans::personMarkedExactly()
{
    QFETCH(QString, prijmeni);
    QFETCH(QString, jmeno);
    QFETCH(QList<int>, marked);
    const QList<Row> people = {
        loanfiles::person("Novák", "Jan", "Dlouhá"), loanfiles::person("Novák", "Petr", "Dlouhá"),
        loanfiles::person("O'Brien", "Jan", "Dlouhá"), loanfiles::person("novák", "Jan", "Dlouhá"),
        loanfiles::person("Novák", "Jan", "Krátká")};
    loanfiles::create(folder(), "Adresar1", people);
    // A sibling program names its files in capitals.
    loanfiles::create(folder(), "Adresar2", people);
    QVERIFY(QFile::rename(book(2), folder() + "ADRESAR2.DBF"));
    const QByteArray before = loanfiles::bytes(book(1));

    const Osoba osoba{prijmeni, jmeno, QStringLiteral("Dlouhá")};
    const auto result = AddressLinks(folder(), 1).update({{osoba, true}});
    QVERIFY(result.status());
    QCOMPARE(result.changedRecords, 2 * marked.size());
    for (const QString& file : {QStringLiteral("Adresar1.dbf"), QStringLiteral("ADRESAR2.DBF")}) {
        const QStringList a1 = loanfiles::column(folder(), file, "A1");
        for (int r = 0; r < people.size(); ++r)
            QCOMPARE(a1.at(r), marked.contains(r) ? "True" : "False");
        QCOMPARE(loanfiles::column(folder(), file, "A3"), QStringList(people.size(), "True"));
    }
    // Outside the marks the book is as it was, header date aside.
    const QByteArray after = loanfiles::bytes(book(1));
    QCOMPARE(after.size(), before.size());
    int differences = 0;
    for (int i = 4; i < after.size(); ++i)
        differences += after.at(i) != before.at(i);
    QCOMPARE(differences, int(marked.size()));

    // Clearing takes the mark back to the bytes it had.
    QVERIFY(AddressLinks(folder(), 1).update({{osoba, false}}).status());
    QCOMPARE(loanfiles::bytes(book(1)).mid(4), before.mid(4));
}

// A book another program wrote meanwhile is read afresh and keeps what it
// wrote; a book that may not be written is told and the other is still done.
void TestLoans::booksKeepWhatSiblingsWrote()
{
    const Osoba jan{QStringLiteral("Novák"), QStringLiteral("Jan"), QStringLiteral("Dlouhá")};
    const Osoba eva{QStringLiteral("Malá"), QStringLiteral("Eva"), QStringLiteral("Nová")};
    for (int n : {1, 2})
        loanfiles::create(folder(), QStringLiteral("Adresar%1").arg(n),
                          {loanfiles::person("Novák", "Jan", "Dlouhá")});
    QVERIFY(AddressLinks(folder(), 2).update({{jan, true}}).status());

    // The sibling adds a person and rewrites the note of the first.
    loanfiles::append(folder(), "Adresar1.dbf", {loanfiles::person("Malá", "Eva", "Nová")});
    {
        TTable sibling;
        loanfiles::openPhysical(sibling, folder(), "Adresar1.dbf");
        QVERIFY(sibling.first());
        QVERIFY(sibling.edit());
        QVERIFY(sibling.setFieldText("POZNAMKA", "od souseda"));
        QVERIFY(sibling.post());
    }
    QVERIFY(AddressLinks(folder(), 2).update({{eva, true}, {jan, false}}).status());
    QCOMPARE(loanfiles::column(folder(), "Adresar1.dbf", "A2"), (QStringList{"False", "True"}));
    QCOMPARE(loanfiles::column(folder(), "Adresar1.dbf", "POZNAMKA"),
             (QStringList{"od souseda", "poznámka Eva"}));

    QVERIFY(QFile::setPermissions(book(1), QFile::ReadOwner | QFile::ReadGroup));
    const QByteArray before = loanfiles::bytes(book(1));
    AddressLinks::Result result;
    {
        const WithoutOverride asUser;
        result = AddressLinks(folder(), 2).update({{jan, true}});
    }
    QCOMPARE(result.errors.size(), 1);
    QVERIFY(result.errors.first().contains("Adresar1.dbf"));
    QVERIFY(result.errors.first().contains("jen pro čtení"));
    QCOMPARE(loanfiles::bytes(book(1)), before);
    QCOMPARE(loanfiles::column(folder(), "Adresar2.dbf", "A2"), QStringList{"True"});
}

void TestLoans::progressPositions_data()
{
    QTest::addColumn<QList<int>>("books");
    QTest::addColumn<QString>("prijmeni");
    QTest::addColumn<QList<int>>("positions");
    const QList<int> start{5, 10, 15};
    QList<int> first, second;
    for (int p = 20; p <= 55; p += 5)
        first << p;
    for (int p = 60; p <= 95; p += 5)
        second << p;
    QTest::newRow("both books") << QList<int>{1, 2} << "Novák"
                                << start + first + second + QList{100};
    QTest::newRow("first missing") << QList<int>{2} << "Novák" << start + second + QList{100};
    QTest::newRow("second missing") << QList<int>{1} << "Novák" << start + first + QList{100};
    QTest::newRow("empty surname") << QList<int>{1, 2} << "" << start + QList{100};
}

void TestLoans::progressPositions()
{
    QFETCH(QList<int>, books);
    QFETCH(QString, prijmeni);
    QFETCH(QList<int>, positions);
    for (int n : books)
        loanfiles::create(folder(), QStringLiteral("Adresar%1").arg(n),
                          {loanfiles::person("Novák", "Jan", "Dlouhá")});
    QList<int> seen;
    const auto result = AddressLinks(folder(), 4)
                            .update({{{prijmeni, "Jan", "Dlouhá"}, true}},
                                    [&seen](int position) { seen << position; });
    QVERIFY(result.status());
    QCOMPARE(seen, positions);
    for (int n : books)
        QCOMPARE(loanfiles::column(folder(), QStringLiteral("Adresar%1.dbf").arg(n), "A4"),
                 QStringList{prijmeni.isEmpty() ? "" : "True"});
}

QTEST_GUILESS_MAIN(TestLoans)
#include "test_loans.moc"
