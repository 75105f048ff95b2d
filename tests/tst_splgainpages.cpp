// The SPL page and the amplifier gain page, driven by typing and clicking.
#include "skin.h"
#include "skincontrols.h"
#include "windowfixture.h"

using testing::WindowFixture;

namespace
{

void addLocaleRows(const char* name, const std::function<void(QTestData&)>& fill)
{
    for (const char* locale : {"comma", "point"}) {
        QTestData& row = QTest::addRow("%s [%s]", name, locale);
        row << QString::fromLatin1(locale);
        fill(row);
    }
}

} // namespace

class TestSplGainPages : public QObject
{
    Q_OBJECT

private slots:
    void splExamples_data();
    void splExamples();
    void splRefusalAtStart();
    void splClearButtons();
    void splTinyDistanceIsRefused();
    void nameFieldsTakeEightCharacters();
    void splTabOrder();
    void gainExamples_data();
    void gainExamples();
    void gainClearButtons();
    void gainTinyVoltageIsRefused();
};

void TestSplGainPages::splExamples_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("p");
    QTest::addColumn<QString>("s");
    QTest::addColumn<QString>("d");
    QTest::addColumn<QString>("atOneMetre");
    QTest::addColumn<QString>("atDistance");
    QTest::addColumn<QString>("line");
    QTest::addColumn<bool>("refused");

    struct Row {
        const char *name, *p, *s, *d, *h, *pl, *line;
        bool refused;
    };
    const Row rows[] = {
        {"100 W", "100", "90", "10", "110 dB", "90 dB", "Hall.....110 dB/1m.....90 dB/10m", false},
        {"500 W", "500", "97", "4", "123,99 dB", "111,95 dB",
         "Hall.....123,99 dB/1m.....111,95 dB/4m", false},
        {"250 W at 2.5 m", "250", "98", "2,5", "121,98 dB", "114,02 dB",
         "Hall.....121,98 dB/1m.....114,02 dB/2,5m", false},
        {"negative level", "1", "1", "1000", "1 dB", "-59 dB", "Hall.....1 dB/1m.....-59 dB/1000m",
         false},
        {"zero power refused", "0", "90", "10", "", "", "Hall...../1m...../10m", true},
        {"zero sensitivity refused", "100", "0", "10", "", "", "Hall...../1m...../10m", true},
    };
    for (const Row& r : rows) {
        addLocaleRows(r.name, [&](QTestData& row) {
            row << r.p << r.s << r.d << r.h << r.pl << r.line << r.refused;
        });
    }
}

void TestSplGainPages::splExamples()
{
    QFETCH(QString, locale);
    QFETCH(QString, p);
    QFETCH(QString, s);
    QFETCH(QString, d);
    QFETCH(QString, atOneMetre);
    QFETCH(QString, atDistance);
    QFETCH(QString, line);
    QFETCH(bool, refused);

    WindowFixture f(testing::localeNamed(locale));
    f.typeText("bssEnev", QStringLiteral("Hall"));
    f.type("bsscEmaxP", p);
    f.type("bsscEE", s);
    f.type("bsscET", d);
    QCOMPARE(f.clickCountingRefusals("bsssbSPLCal"), refused ? 1 : 0);

    QCOMPARE(f.text("bssEH"), f.local(atOneMetre));
    QCOMPARE(f.text("bssEPl"), f.local(atDistance));
    QCOMPARE(f.lines("bsslbSPL"), QStringList{f.local(line)});
    QCOMPARE(f.window.bsSkinSpeedButton1->imageIndex(), int(kv::TrashFull));
    for (const char* name : {"bssEnev", "bsscEmaxP", "bsscEE", "bsscET", "bsssbSPLCal"})
        QCOMPARE(f.enabled(name), refused);
}

void TestSplGainPages::splRefusalAtStart()
{
    WindowFixture f;
    QCOMPARE(f.clickCountingRefusals("bsssbSPLCal"), 1);
    QCOMPARE(f.lines("bsslbSPL"), QStringList{"...../1m...../0m"});
    QCOMPARE(f.window.bsSkinSpeedButton1->imageIndex(), int(kv::TrashFull));
    QVERIFY(f.enabled("bsscEmaxP") && f.enabled("bsssbSPLCal"));
    // A second refusal appends a second line.
    QCOMPARE(f.clickCountingRefusals("bsssbSPLCal"), 1);
    QCOMPARE(f.lines("bsslbSPL").size(), 2);
}

void TestSplGainPages::splClearButtons()
{
    WindowFixture f;
    f.typeText("bssEnev", QStringLiteral("Hall"));
    f.type("bsscEmaxP", QStringLiteral("100"));
    f.type("bsscEE", QStringLiteral("90"));
    f.type("bsscET", QStringLiteral("10"));
    QCOMPARE(f.clickCountingRefusals("bsssbSPLCal"), 0);

    // Clearing the history changes no lock.
    f.click("bsSkinSpeedButton1");
    QVERIFY(f.lines("bsslbSPL").isEmpty());
    QCOMPARE(f.window.bsSkinSpeedButton1->imageIndex(), int(kv::TrashEmpty));
    QVERIFY(!f.enabled("bsscEmaxP"));
    QCOMPARE(f.text("bssEH"), QStringLiteral("110 dB"));

    // A new line, then clearing the inputs keeps it and the full-bin image.
    f.click("bsSkinSpeedButton3");
    QCOMPARE(f.clickCountingRefusals("bsssbSPLCal"), 1);
    f.click("bsSkinSpeedButton3");
    QCOMPARE(f.lines("bsslbSPL").size(), 1);
    QCOMPARE(f.window.bsSkinSpeedButton1->imageIndex(), int(kv::TrashFull));
    QCOMPARE(f.text("bssEnev"), QString());
    for (const char* name : {"bsscEmaxP", "bsscEE", "bsscET"}) {
        QCOMPARE(f.field(name)->value(), 0.0);
        QCOMPARE(f.field(name)->text(), QStringLiteral("0,00"));
        QVERIFY(f.enabled(name));
    }
    QVERIFY(f.enabled("bssEnev") && f.enabled("bsssbSPLCal"));
    QCOMPARE(f.text("bssEH"), QString());
    QCOMPARE(f.text("bssEPl"), QString());
}

void TestSplGainPages::splTinyDistanceIsRefused()
{
    // 1e-320 m typed in full: the level at that distance is past any number.
    WindowFixture f;
    f.type("bsscEmaxP", QStringLiteral("100"));
    f.type("bsscEE", QStringLiteral("90"));
    f.type("bsscET", QStringLiteral("0,") + QString(319, QLatin1Char('0')) + QStringLiteral("1"));
    QVERIFY(f.field("bsscET")->value() > 0);
    QCOMPARE(f.clickCountingRefusals("bsssbSPLCal"), 1);
    QCOMPARE(f.text("bssEH"), QString());
    QVERIFY(f.enabled("bsssbSPLCal"));
    QVERIFY(!f.lines("bsslbSPL").first().contains(QLatin1String("INF")));
}

void TestSplGainPages::nameFieldsTakeEightCharacters()
{
    WindowFixture f;
    f.typeText("bssEnev", QStringLiteral("ABCDEFGHIJ"));
    QCOMPARE(f.text("bssEnev"), QStringLiteral("ABCDEFGH"));
    f.typeText("bssEEnev", QStringLiteral("Erosito123"));
    QCOMPARE(f.text("bssEEnev"), QStringLiteral("Erosito1"));

    // Results are written whole, whatever their length.
    f.type("bsscEmaxP", QStringLiteral("500"));
    f.type("bsscEE", QStringLiteral("97"));
    f.type("bsscET", QStringLiteral("4"));
    f.click("bsssbSPLCal");
    QCOMPARE(f.text("bssEH"), QStringLiteral("123,99 dB"));
}

void TestSplGainPages::splTabOrder()
{
    WindowFixture f;
    f.window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&f.window));
    f.field("bsscEmaxP")->setFocus();
    QStringList visited{QApplication::focusWidget()->objectName()};
    for (int i = 0; i < 6; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited << QApplication::focusWidget()->objectName();
    }
    QCOMPARE(visited, (QStringList{"bsscEmaxP", "bsscEE", "bsscET", "bssEnev", "bsslbSPL", "bssEH",
                                   "bssEPl"}));
}

void TestSplGainPages::gainExamples_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("p");
    QTest::addColumn<QString>("uin"); // empty: keep the start value 0.775
    QTest::addColumn<QString>("gain");
    QTest::addColumn<bool>("refused");

    struct Row {
        const char *name, *p, *uin, *gain;
        bool refused;
    };
    const Row rows[] = {
        {"1000 W at the start voltage", "1000", "", "41,24 dB", false},
        {"500 W, 1 V", "500", "1", "36,02 dB", false},
        {"100 W, 1.55 V", "100", "1,55", "25,22 dB", false},
        {"no gain", "0,5", "2", "0 dB", false},
        {"zero power refused", "0", "", "", true},
        {"zero voltage refused", "100", "0", "", true},
    };
    for (const Row& r : rows) {
        addLocaleRows(r.name, [&](QTestData& row) { row << r.p << r.uin << r.gain << r.refused; });
    }
}

void TestSplGainPages::gainExamples()
{
    QFETCH(QString, locale);
    QFETCH(QString, p);
    QFETCH(QString, uin);
    QFETCH(QString, gain);
    QFETCH(bool, refused);

    WindowFixture f(testing::localeNamed(locale));
    f.typeText("bssEEnev", QStringLiteral("Amp1"));
    f.type("bsscEEP", p);
    if (!uin.isEmpty())
        f.type("bsscEEU", uin);
    QCOMPARE(f.clickCountingRefusals("bsssbCalcEr"), refused ? 1 : 0);
    QCOMPARE(f.text("bssEEE"), f.local(gain));
    QCOMPARE(f.lines("bsslbErosites"), QStringList{f.local("Amp1 erosítése: " + gain)});
    for (const char* name : {"bssEEnev", "bsscEEP", "bsscEEU", "bsssbCalcEr"})
        QCOMPARE(f.enabled(name), refused);
    // This page's clear-history image never changes.
    QCOMPARE(f.window.bsSkinSpeedButton2->imageIndex(), int(kv::TrashEmpty));
}

void TestSplGainPages::gainClearButtons()
{
    WindowFixture f;
    QCOMPARE(f.clickCountingRefusals("bsssbCalcEr"), 1); // P is 0 at start
    QCOMPARE(f.lines("bsslbErosites"), QStringList{" erosítése: "});

    f.type("bsscEEP", QStringLiteral("1000"));
    f.type("bsscEEU", QStringLiteral("1"));
    f.click("bsssbCalcEr");
    f.click("bsSkinSpeedButton5");
    QCOMPARE(f.field("bsscEEU")->value(), 0.775); // not 0
    QCOMPARE(f.field("bsscEEU")->text(), QStringLiteral("0,775"));
    QCOMPARE(f.field("bsscEEP")->text(), QStringLiteral("0,00"));
    QCOMPARE(f.text("bssEEE"), QString());
    QVERIFY(f.enabled("bsscEEP") && f.enabled("bsscEEU") && f.enabled("bssEEnev") &&
            f.enabled("bsssbCalcEr"));
    QCOMPARE(f.lines("bsslbErosites").size(), 2);

    f.click("bsSkinSpeedButton2");
    QVERIFY(f.lines("bsslbErosites").isEmpty());
    QCOMPARE(f.window.bsSkinSpeedButton2->imageIndex(), int(kv::TrashEmpty));
}

void TestSplGainPages::gainTinyVoltageIsRefused()
{
    // 1e-320 V typed in full: the gain is past any number.
    WindowFixture f;
    f.type("bsscEEP", QStringLiteral("1000"));
    f.type("bsscEEU", QStringLiteral("0,") + QString(319, QLatin1Char('0')) + QStringLiteral("1"));
    QVERIFY(f.field("bsscEEU")->value() > 0);
    QCOMPARE(f.clickCountingRefusals("bsssbCalcEr"), 1);
    QCOMPARE(f.text("bssEEE"), QString());
    QVERIFY(f.enabled("bsssbCalcEr") && f.enabled("bsscEEU"));
    QCOMPARE(f.lines("bsslbErosites"), QStringList{" erosítése: "});
}

QTEST_MAIN(TestSplGainPages)
#include "tst_splgainpages.moc"
