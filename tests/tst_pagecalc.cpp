// The pages' formulas, checked through the texts the pages show (the number
// patterns applied to the stored single-precision results).
#include "numberformat.h"
#include "pagecalc.h"
#include "presets.h"

#include <QTest>

#include <cmath>
#include <limits>
#include <string>

namespace
{

QString shown(const char* pattern, float x)
{
    return QString::fromStdString(kv::formatFloat(pattern, x, ","));
}

} // namespace

class TestPageCalc : public QObject
{
    Q_OBJECT

private slots:
    void spl_data();
    void spl();
    void splHistoryLine();
    void gain_data();
    void gain();
    void limiter_data();
    void limiter();
    void limiterTinyInputHasNoLevel();
    void equivalentResistance_data();
    void equivalentResistance();
    void networks();
    void presetTables();
    void clock_data();
    void clock();
};

void TestPageCalc::spl_data()
{
    QTest::addColumn<double>("p");
    QTest::addColumn<double>("s");
    QTest::addColumn<double>("d");
    QTest::addColumn<QString>("atOneMetre");
    QTest::addColumn<QString>("atDistance");

    QTest::newRow("100 W, 90, 10 m") << 100.0 << 90.0 << 10.0 << "110 dB"
                                     << "90 dB";
    QTest::newRow("500 W, 97, 4 m") << 500.0 << 97.0 << 4.0 << "123,99 dB"
                                    << "111,95 dB";
    QTest::newRow("250 W, 98, 2.5 m") << 250.0 << 98.0 << 2.5 << "121,98 dB"
                                      << "114,02 dB";
    QTest::newRow("1 W, 1, 1000 m") << 1.0 << 1.0 << 1000.0 << "1 dB"
                                    << "-59 dB";
    QTest::newRow("at 1 m both equal") << 200.0 << 95.0 << 1.0 << "118,01 dB"
                                       << "118,01 dB";
    QTest::newRow("below 1 m louder") << 100.0 << 90.0 << 0.5 << "110 dB"
                                      << "116,02 dB";
}

void TestPageCalc::spl()
{
    QFETCH(double, p);
    QFETCH(double, s);
    QFETCH(double, d);
    QFETCH(QString, atOneMetre);
    QFETCH(QString, atDistance);
    const kv::SplLevels levels = kv::splLevels(p, s, d);
    QCOMPARE(shown("#0.## dB", levels.atOneMetre), atOneMetre);
    QCOMPARE(shown("#0.## dB", levels.atDistance), atDistance);
}

void TestPageCalc::splHistoryLine()
{
    QCOMPARE(kv::splHistoryLine("Hall", "123,99 dB", "111,95 dB", 4, ","),
             std::string("Hall.....123,99 dB/1m.....111,95 dB/4m"));
    QCOMPARE(kv::splHistoryLine("Hall", "", "", 10, ","), std::string("Hall...../1m...../10m"));
    QCOMPARE(kv::splHistoryLine("", "", "", 0, ","), std::string("...../1m...../0m"));
    QCOMPARE(kv::splHistoryLine("x", "1 dB", "2 dB", 2.5, "."),
             std::string("x.....1 dB/1m.....2 dB/2.5m"));
}

void TestPageCalc::gain_data()
{
    QTest::addColumn<double>("p");
    QTest::addColumn<double>("uin");
    QTest::addColumn<QString>("gain");

    QTest::newRow("1000 W, 0.775 V") << 1000.0 << 0.775 << "41,24 dB";
    QTest::newRow("500 W, 1 V") << 500.0 << 1.0 << "36,02 dB";
    QTest::newRow("100 W, 1.55 V") << 100.0 << 1.55 << "25,22 dB";
    QTest::newRow("0.5 W, 2 V: no gain") << 0.5 << 2.0 << "0 dB";
    QTest::newRow("output below input") << 0.5 << 4.0 << "-6,02 dB";
}

void TestPageCalc::gain()
{
    QFETCH(double, p);
    QFETCH(double, uin);
    QFETCH(QString, gain);
    QCOMPARE(shown("#0.## dB", kv::amplifierGain(p, uin)), gain);
    QCOMPARE(kv::gainHistoryLine("Amp1", "41,24 dB"), std::string("Amp1 erosítése: 41,24 dB"));
}

void TestPageCalc::limiter_data()
{
    QTest::addColumn<double>("p");
    QTest::addColumn<double>("r");
    QTest::addColumn<double>("g");
    QTest::addColumn<double>("o");
    QTest::addColumn<QString>("rms");
    QTest::addColumn<QString>("umax");
    QTest::addColumn<QString>("level");
    QTest::addColumn<QString>("threshold");

    QTest::newRow("Zavav Lite 8, PC1004MKII, LEM DX 24") << 400.0 << 8.0 << 31.2 << -1.8 << "200 W"
                                                         << "40 V"
                                                         << "34,255 dBu"
                                                         << "1,26 dB";
    QTest::newRow("offset 0") << 400.0 << 8.0 << 31.2 << 0.0 << "200 W"
                              << "40 V"
                              << "34,255 dBu"
                              << "3,06 dB";
    QTest::newRow("positive offset") << 400.0 << 8.0 << 31.2 << 0.5 << "200 W"
                                     << "40 V"
                                     << "34,255 dBu"
                                     << "3,56 dB";
    QTest::newRow("negative threshold") << 100.0 << 8.0 << 44.0 << 0.0 << "50 W"
                                        << "20 V"
                                        << "28,235 dBu"
                                        << "-15,77 dB";
    QTest::newRow("largest inputs") << 1000000.0 << 1000.0 << 1.0 << 0.0 << "500000 W"
                                    << "22360,68 V"
                                    << "89,204 dBu"
                                    << "88,2 dB";
}

void TestPageCalc::limiter()
{
    QFETCH(double, p);
    QFETCH(double, r);
    QFETCH(double, g);
    QFETCH(double, o);
    QFETCH(QString, rms);
    QFETCH(QString, umax);
    QFETCH(QString, level);
    QFETCH(QString, threshold);
    const kv::LimiterResults results = kv::limiterResults(p, r, g, o);
    QCOMPARE(shown("#0.## W", results.rms), rms);
    QCOMPARE(shown("#0.## V", results.umax), umax);
    QCOMPARE(shown("#0.### dBu", results.level), level);
    QCOMPARE(shown("#0.## dB", results.threshold), threshold);
}

void TestPageCalc::limiterTinyInputHasNoLevel()
{
    // P x R far below 1e-90: the voltage rounds to 0 in single precision.
    const kv::LimiterResults results = kv::limiterResults(1e-60, 1e-60, 1, 0);
    QCOMPARE(results.umax, 0.0f);
    QVERIFY(!std::isfinite(results.level));
}

void TestPageCalc::equivalentResistance_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<float>("r1");
    QTest::addColumn<float>("r2");
    QTest::addColumn<float>("r3");
    QTest::addColumn<float>("r4");
    QTest::addColumn<QString>("expected");

    QTest::newRow("series 4.7 + 3.3") << 0 << 4.7f << 3.3f << 0.f << 0.f << "8 ohm";
    QTest::newRow("series of three") << 1 << 2.f << 3.f << 5.f << 0.f << "10 ohm";
    QTest::newRow("series of four megohms") << 2 << 1e6f << 1e6f << 1e6f << 1e6f << "4000000 ohm";
    QTest::newRow("parallel 8 and 8") << 3 << 8.f << 8.f << 0.f << 0.f << "4 ohm";
    QTest::newRow("parallel three of 10") << 4 << 10.f << 10.f << 10.f << 0.f << "3,33 ohm";
    QTest::newRow("parallel four of 8") << 5 << 8.f << 8.f << 8.f << 8.f << "2 ohm";
    QTest::newRow("unused members are ignored") << 0 << 4.f << 4.f << 1000.f << -1.f << "8 ohm";
}

void TestPageCalc::equivalentResistance()
{
    QFETCH(int, row);
    QFETCH(float, r1);
    QFETCH(float, r2);
    QFETCH(float, r3);
    QFETCH(float, r4);
    QFETCH(QString, expected);
    QCOMPARE(shown("##0.## ohm", kv::equivalentResistance(row, {r1, r2, r3, r4})), expected);
}

void TestPageCalc::networks()
{
    const int counts[] = {2, 3, 4, 2, 3, 4};
    for (int row = 0; row < kv::NetworkCount; ++row) {
        QCOMPARE(kv::resistorCount(row), counts[row]);
        QCOMPARE(kv::isSeriesNetwork(row), row < 3);
    }
    QCOMPARE(kv::resistorCount(-1), 0);
    QCOMPARE(kv::resistorCount(6), 0);

    // The distribution examples, through the stored products and quotients.
    QCOMPARE(shown("###0.## V", kv::storedProduct(8, 2)), QStringLiteral("16 V"));
    QCOMPARE(shown("##0.## A", kv::storedQuotient(20, 8)), QStringLiteral("2,5 A"));
    QCOMPARE(shown("##0.## A", kv::storedQuotient(230, 10)), QStringLiteral("23 A"));
    QCOMPARE(shown("##0.## V", kv::storedProduct(3, 23)), QStringLiteral("69 V"));
    QCOMPARE(shown("###0.## V", kv::storedProduct(4e6f, 2000)), QStringLiteral("8000000000 V"));
    QCOMPARE(shown("##0.## V", kv::storedProduct(1e6f, 2000)), QStringLiteral("2000000000 V"));
    // Leaving the single-precision range gives an infinity, which the page refuses.
    QVERIFY(std::isinf(kv::storedQuotient(10000, 1e-40f)));
}

void TestPageCalc::presetTables()
{
    const auto speakers = kv::loudspeakerPresets();
    QCOMPARE(speakers.size(), std::size_t(28));
    QCOMPARE(speakers[0].name, std::string_view("Szabadon választott"));
    QCOMPARE(speakers[1].power, 400.0);
    QCOMPARE(speakers[14].name, std::string_view("Zavav TOP Live-XL"));
    QCOMPARE(speakers[14].impedance, 4.0);
    QCOMPARE(speakers[23].name, std::string_view("Zavav Hexa Low "));
    QCOMPARE(kv::amplifierPresets().size(), std::size_t(4));
    QCOMPARE(kv::amplifierPresets()[2].normal, std::optional<double>(31.4));
    QCOMPARE(kv::limiterPresets().size(), std::size_t(5));
    QVERIFY(!kv::limiterPresets()[0].offset);
}

void TestPageCalc::clock_data()
{
    QTest::addColumn<QList<int>>("moment"); // year, month, day, hour, minute, second
    QTest::addColumn<QString>("separator");
    QTest::addColumn<QString>("expected");

    QTest::newRow("padded") << QList<int>{2026, 3, 5, 9, 7, 3} << ":"
                            << "2026.03.05  09:07:03";
    QTest::newRow("afternoon") << QList<int>{2026, 12, 31, 13, 0, 59} << ":"
                               << "2026.12.31  13:00:59";
    QTest::newRow("midnight") << QList<int>{2027, 1, 1, 0, 0, 0} << ":"
                              << "2027.01.01  00:00:00";
    QTest::newRow("other separator") << QList<int>{2026, 3, 5, 9, 7, 3} << "."
                                     << "2026.03.05  09.07.03";
}

void TestPageCalc::clock()
{
    QFETCH(QList<int>, moment);
    QFETCH(QString, separator);
    QFETCH(QString, expected);
    QCOMPARE(QString::fromStdString(kv::clockText(moment[0], moment[1], moment[2], moment[3],
                                                  moment[4], moment[5], separator.toStdString())),
             expected);
}

QTEST_APPLESS_MAIN(TestPageCalc)
#include "tst_pagecalc.moc"
