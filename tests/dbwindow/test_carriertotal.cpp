#include "CarrierTotal.h"

#include <QTest>

class TestCarrierTotal : public QObject
{
    Q_OBJECT

private slots:
    void totals_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QStringList>("tracks");
        QTest::addColumn<QString>("total");
        QTest::newRow("audio seconds carry") << "Audio CD" << QStringList{"3,45", "4,30"} << "8,15";
        QTest::newRow("LP like audio") << "LP" << QStringList{"0,59", "0,59"} << "1,58";
        QTest::newRow("ten seconds") << "MC" << QStringList{"3,05", "0,05"} << "3,10";
        QTest::newRow("MC whole minutes") << "MC" << QStringList{"4", "", "5"} << "9,00";
        QTest::newRow("9,55 splits exactly") << "Audio CD" << QStringList{"9,55"} << "9,55";
        QTest::newRow("10,45 splits exactly")
            << "Audio CD" << QStringList{"10,45", "0,15"} << "11,00";
        QTest::newRow("one decimal means tens of seconds")
            << "LP" << QStringList{"3,4", "0,2"} << "4,00";
        QTest::newRow("point typed") << "Audio CD" << QStringList{"3.45", "4.30"} << "8,15";
        QTest::newRow("data plain sum")
            << "Datové CD" << QStringList{"100,5", "200,25", "50"} << "350,75";
        QTest::newRow("mp3 like data")
            << "Audio MP3 CD" << QStringList{"100,5", "200,25", "50"} << "350,75";
        QTest::newRow("data empty is zero") << "Datové CD" << QStringList(30, QString()) << "0";
        QTest::newRow("no drift") << "Datové CD" << QStringList(30, "0,1") << "3";
        QTest::newRow("trailing zeros") << "Datové CD" << QStringList{"1,500", "1"} << "2,5";
        QTest::newRow("negative size") << "Datové CD" << QStringList{"-1,5", "2"} << "0,5";
        QTest::newRow("negative length") << "MC" << QStringList{"-1,30"} << "-0,50";
        QTest::newRow("negative length in a sum") << "LP" << QStringList{"5", "-1,30"} << "4,10";
        QTest::newRow("empty kind") << "" << QStringList{"3,45"} << "";
        QTest::newRow("kind typed by hand") << "Minidisk" << QStringList{"3,45"} << "";
        QTest::newRow("kind is exact") << "audio cd" << QStringList{"3,45"} << "";
    }

    void totals()
    {
        QFETCH(QString, kind);
        QFETCH(QStringList, tracks);
        QFETCH(QString, total);
        const auto result =
            CarrierTotal::compute(kind, tracks, QLocale(QLocale::Czech, QLocale::CzechRepublic));
        QVERIFY2(result.status, qPrintable(result.status.toString()));
        QCOMPARE(result.text, total);
    }

    void localeDecidesTheSeparator()
    {
        const auto result =
            CarrierTotal::compute("Audio CD", {"3.45", "4.30"}, QLocale(QLocale::English));
        QCOMPARE(result.text, QString("8.15"));
    }

    void badTracksStopTheTotal_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("track");
        QTest::newRow("letters") << "Audio CD"
                                 << "abc";
        QTest::newRow("two separators") << "Datové CD"
                                        << "1,2,3";
        QTest::newRow("three decimals") << "LP"
                                        << "3,456";
        QTest::newRow("sign only") << "MC"
                                   << "-";
        QTest::newRow("huge") << "Datové CD"
                              << "99999999999999999999";
        QTest::newRow("even for a kind without total") << ""
                                                       << "x";
    }

    void badTracksStopTheTotal()
    {
        QFETCH(QString, kind);
        QFETCH(QString, track);
        const auto result = CarrierTotal::compute(kind, {"1", track},
                                                  QLocale(QLocale::Czech, QLocale::CzechRepublic));
        QVERIFY(!result.status);
        QVERIFY(result.status.message().contains(track.trimmed()) || track == "-");
        QVERIFY(result.text.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestCarrierTotal)
#include "test_carriertotal.moc"
