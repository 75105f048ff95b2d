// The URI page: network choice, equivalent resistance, the two ways into the
// distribution, the distribution itself, refusals and the clear.
#include "circuitpicture.h"
#include "radiogroup.h"
#include "skincontrols.h"
#include "windowfixture.h"

#include <QPainter>
#include <QRadioButton>

using testing::WindowFixture;

namespace
{

const char* const ResistanceFields[] = {"bsscER1", "bsscER2", "bsscER3", "bsscER4"};

// Picks the network and types the used resistances.
void enterNetwork(const WindowFixture& f, int row, const QStringList& resistances)
{
    f.window.bsSkinPageControl1->setCurrentIndex(3);
    if (f.window.bssCBkapcsT->currentIndex() != row)
        f.pick("bssCBkapcsT", row);
    for (int i = 0; i < resistances.size(); ++i)
        f.type(ResistanceFields[i], resistances[i]);
}

bool activate(WindowFixture& f)
{
    f.window.activateWindow();
    return QTest::qWaitForWindowActive(&f.window);
}

void clickInto(kv::NumericEdit* field)
{
    QTest::mouseClick(field, Qt::LeftButton, {}, QPoint(10, field->height() / 2));
}

// The whole page as the clear leaves it.
void verifyAfterClear(const WindowFixture& f)
{
    const TLimiter& w = f.window;
    QCOMPARE(w.bssCBkapcsT->currentIndex(), 0);
    QVERIFY(w.bssCBkapcsT->isEnabled());
    QCOMPARE(w.bsspR->caption(), QStringLiteral("Soros kapcsolás"));
    QCOMPARE(w.IE->pictureIndex(), 0);
    for (int i = 0; i < 4; ++i) {
        QCOMPARE(w.bsscERn[i]->value(), 0.0);
        QVERIFY(w.bsscERn[i]->isEnabled());
        QCOMPARE(w.bsscERn[i]->isHidden(), i >= 2);
        QCOMPARE(w.LRn[i]->isHidden(), i >= 2);
    }
    QVERIFY(w.bsssbEllenallas->isEnabled());
    QCOMPARE(f.text("bssEEeredo"), QString());
    QVERIFY(w.RGE->isHidden() && w.RGE->isEnabled());
    QCOMPARE(w.RGE->itemIndex(), -1);
    QVERIFY(!w.RGE->item(0)->isChecked() && !w.RGE->item(1)->isChecked());
    for (kv::NumericEdit* field : {w.bsscEI, w.bsscEU}) {
        QVERIFY(field->isHidden());
        QVERIFY(!field->isEnabled());
        QCOMPARE(field->value(), 0.0);
    }
    QVERIFY(w.bsssbUI->isHidden() && w.bsssbUI->isEnabled());
    QVERIFY(w.bssEUI->isHidden());
    QCOMPARE(w.bssEUI->text(), QString());
    QVERIFY(w.bssLUI->isHidden());
    for (int i = 0; i < 4; ++i)
        QVERIFY(w.bssLUIn[i]->isHidden() && w.bssEUIn[i]->isHidden());
}

} // namespace

class TestUriPage : public QObject
{
    Q_OBJECT

private slots:
    void startState();
    void networkChoice_data();
    void networkChoice();
    void circuitPicturesDiffer();
    void equivalentResistance_data();
    void equivalentResistance();
    void hiddenFieldKeepsItsValue();
    void refusals_data();
    void refusals();
    void distribution_data();
    void distribution();
    void distributionRefusals_data();
    void distributionRefusals();
    void intoTheSecondStageBeforeTheFirstClear();
    void intoTheSecondStageAfterAClear();
    void clearFromEveryState_data();
    void clearFromEveryState();
};

void TestUriPage::startState()
{
    WindowFixture f;
    const TLimiter& w = f.window;
    QCOMPARE(w.bsspR->caption(), QStringLiteral("Soros kapcsolás"));
    QCOMPARE(w.IE->pictureIndex(), 0);
    QCOMPARE(w.IE->size(), QSize(213, 121));
    QCOMPARE(w.LRn[0]->text(), QStringLiteral("R1:"));
    QVERIFY(!w.bsscERn[1]->isHidden());
    QVERIFY(w.bsscERn[2]->isHidden());
    QCOMPARE(f.text("bssEEeredo"), QString());
    QCOMPARE(w.RGE->item(0)->text(), QStringLiteral("I  ="));
    QCOMPARE(w.RGE->item(1)->text(), QStringLiteral("U ="));
    // The second stage is hidden, its fields not yet locked.
    for (QWidget* control : {static_cast<QWidget*>(w.RGE), static_cast<QWidget*>(w.bsscEI),
                             static_cast<QWidget*>(w.bsscEU), static_cast<QWidget*>(w.bsssbUI),
                             static_cast<QWidget*>(w.bssLUI), static_cast<QWidget*>(w.bssEUI)})
        QVERIFY(control->isHidden());
    QVERIFY(w.bsscEI->isEnabled() && w.bsscEU->isEnabled());
}

void TestUriPage::networkChoice_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<int>("fields");
    QTest::newRow("series of 2") << 0 << "Soros kapcsolás" << 2;
    QTest::newRow("series of 3") << 1 << "Soros kapcsolás" << 3;
    QTest::newRow("series of 4") << 2 << "Soros kapcsolás" << 4;
    QTest::newRow("parallel of 2") << 3 << "Párhuzamos kapcsolás" << 2;
    QTest::newRow("parallel of 3") << 4 << "Párhuzamos kapcsolás" << 3;
    QTest::newRow("parallel of 4") << 5 << "Párhuzamos kapcsolás" << 4;
}

void TestUriPage::networkChoice()
{
    QFETCH(int, row);
    QFETCH(QString, caption);
    QFETCH(int, fields);
    WindowFixture f;
    f.pick("bssCBkapcsT", 5 - row); // from another row, so the row's own handling shows
    f.pick("bssCBkapcsT", row);
    QCOMPARE(f.window.bsspR->caption(), caption);
    QCOMPARE(f.window.IE->pictureIndex(), row);
    for (int i = 0; i < 4; ++i) {
        QCOMPARE(f.window.bsscERn[i]->isHidden(), i >= fields);
        QCOMPARE(f.window.LRn[i]->isHidden(), i >= fields);
    }
}

void TestUriPage::circuitPicturesDiffer()
{
    QList<QImage> pictures;
    for (int k = 0; k < kv::CircuitPictureCount; ++k) {
        QImage image(kv::CircuitPictureSize, QImage::Format_RGB32);
        image.fill(Qt::black);
        QPainter painter(&image);
        kv::drawCircuitPicture(painter, k);
        painter.end();
        // The whole 220 x 111 box is drawn (the yellow background reaches the corners).
        QCOMPARE(QColor(image.pixel(0, 0)).red(), 0xf5);
        QCOMPARE(QColor(image.pixel(219, 110)).green(), 0xdc);
        QVERIFY(!pictures.contains(image));
        pictures << image;
    }
}

void TestUriPage::equivalentResistance_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<int>("row");
    QTest::addColumn<QStringList>("resistances");
    QTest::addColumn<QString>("expected");

    QTest::newRow("4.7 + 3.3 [comma]") << "comma" << 0 << QStringList{"4,7", "3,3"} << "8 ohm";
    QTest::newRow("4.7 + 3.3 [point]") << "point" << 0 << QStringList{"4,7", "3,3"} << "8 ohm";
    QTest::newRow("series of 3") << "comma" << 1 << QStringList{"2", "3", "5"} << "10 ohm";
    QTest::newRow("four megohms in series")
        << "comma" << 2 << QStringList{"1000000", "1000000", "1000000", "1000000"} << "4000000 ohm";
    QTest::newRow("8 parallel 8") << "comma" << 3 << QStringList{"8", "8"} << "4 ohm";
    QTest::newRow("three of 10 [comma]")
        << "comma" << 4 << QStringList{"10", "10", "10"} << "3,33 ohm";
    QTest::newRow("three of 10 [point]")
        << "point" << 4 << QStringList{"10", "10", "10"} << "3,33 ohm";
    QTest::newRow("four of 8") << "comma" << 5 << QStringList{"8", "8", "8", "8"} << "2 ohm";
}

void TestUriPage::equivalentResistance()
{
    QFETCH(QString, locale);
    QFETCH(int, row);
    QFETCH(QStringList, resistances);
    QFETCH(QString, expected);

    WindowFixture f(testing::localeNamed(locale));
    enterNetwork(f, row, resistances);
    QCOMPARE(f.clickCountingRefusals("bsssbEllenallas"), 0);
    QCOMPARE(f.text("bssEEeredo"), f.local(expected));

    // Locked: the list, the used fields, the button; the second stage shown.
    QVERIFY(!f.enabled("bssCBkapcsT") && !f.enabled("bsssbEllenallas"));
    for (int i = 0; i < resistances.size(); ++i)
        QVERIFY(!f.window.bsscERn[i]->isEnabled());
    QVERIFY(f.shown("RGE") && f.shown("bsscEI") && f.shown("bsscEU"));
    QVERIFY(f.enabled("bsscEI") && f.enabled("bsscEU")); // before the first clear
    QVERIFY(!f.shown("bsssbUI"));
    QVERIFY(f.enabled("bsssbURIClear"));
}

void TestUriPage::hiddenFieldKeepsItsValue()
{
    WindowFixture f;
    enterNetwork(f, 2, {"1", "2", "3", "4"});
    f.pick("bssCBkapcsT", 0);
    f.pick("bssCBkapcsT", 2);
    QCOMPARE(f.field("bsscER3")->value(), 3.0);
    QCOMPARE(f.field("bsscER4")->value(), 4.0);

    // A 0 in a field the network does not use is never tested.
    f.pick("bssCBkapcsT", 0);
    f.type("bsscER1", QStringLiteral("4"));
    f.window.bsscERn[2]->setValue(0);
    QCOMPARE(f.clickCountingRefusals("bsssbEllenallas"), 0);
    QCOMPARE(f.text("bssEEeredo"), QStringLiteral("6 ohm"));
    QCOMPARE(f.window.R3, 0.0f); // not read
}

void TestUriPage::refusals_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<QStringList>("resistances");
    QTest::newRow("at start") << 0 << QStringList{};
    QTest::newRow("row 5 with R4 = 0") << 5 << QStringList{"8", "8", "8", "0"};
    // Smaller than any single-precision number: stored as 0.
    const QString tiny = QStringLiteral("0,") + QString(47, QLatin1Char('0')) + QStringLiteral("1");
    QTest::newRow("rounds to 0 in single precision") << 3 << QStringList{"8", tiny};
}

void TestUriPage::refusals()
{
    QFETCH(int, row);
    QFETCH(QStringList, resistances);
    WindowFixture f;
    enterNetwork(f, row, resistances);
    QCOMPARE(f.clickCountingRefusals("bsssbEllenallas"), 1);
    QCOMPARE(f.text("bssEEeredo"), QString());
    QVERIFY(f.enabled("bssCBkapcsT") && f.enabled("bsssbEllenallas") && f.enabled("bsscER1"));
    QVERIFY(!f.shown("RGE"));
    if (row == 5) // the members hold what was read, the failing value included
        QCOMPARE((QList<float>{f.window.R1, f.window.R2, f.window.R3, f.window.R4}),
                 (QList<float>{8, 8, 8, 0}));
}

void TestUriPage::distribution_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<int>("row");
    QTest::addColumn<QStringList>("resistances");
    QTest::addColumn<int>("given"); // 0: current, 1: voltage
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("totalCaption");
    QTest::addColumn<QString>("total");
    QTest::addColumn<QStringList>("partCaptions");
    QTest::addColumn<QStringList>("parts");

    QTest::newRow("series 4 + 4, 2 A")
        << "comma" << 0 << QStringList{"4", "4"} << 0 << "2"
        << "U ="
        << "16 V" << QStringList{"U1:", "U2:"} << QStringList{"8 V", "8 V"};
    for (const char* locale : {"comma", "point"}) {
        QTest::addRow("parallel 8 | 8, 20 V [%s]", locale)
            << locale << 3 << QStringList{"8", "8"} << 1 << "20"
            << "I ="
            << "5 A" << QStringList{"I1:", "I2:"} << QStringList{"2,5 A", "2,5 A"};
    }
    QTest::newRow("series 2 + 3 + 5, 230 V")
        << "comma" << 1 << QStringList{"2", "3", "5"} << 1 << "230"
        << "I ="
        << "23 A" << QStringList{"U1:", "U2:", "U3:"} << QStringList{"46 V", "69 V", "115 V"};
    QTest::newRow("four parallel 8 ohm, 10 A")
        << "comma" << 5 << QStringList{"8", "8", "8", "8"} << 0 << "10"
        << "U ="
        << "20 V" << QStringList{"I1:", "I2:", "I3:", "I4:"}
        << QStringList{"2,5 A", "2,5 A", "2,5 A", "2,5 A"};
    QTest::newRow("four megohms, 2000 A")
        << "comma" << 2 << QStringList{"1000000", "1000000", "1000000", "1000000"} << 0 << "2000"
        << "U ="
        << "8000000000 V" << QStringList{"U1:", "U2:", "U3:", "U4:"}
        << QStringList{"2000000000 V", "2000000000 V", "2000000000 V", "2000000000 V"};
}

void TestUriPage::distribution()
{
    QFETCH(QString, locale);
    QFETCH(int, row);
    QFETCH(QStringList, resistances);
    QFETCH(int, given);
    QFETCH(QString, value);
    QFETCH(QString, totalCaption);
    QFETCH(QString, total);
    QFETCH(QStringList, partCaptions);
    QFETCH(QStringList, parts);

    WindowFixture f(testing::localeNamed(locale));
    enterNetwork(f, row, resistances);
    f.click("bsssbEllenallas");
    QTest::mouseClick(f.window.RGE->item(given), Qt::LeftButton, {}, QPoint(6, 11));
    QCOMPARE(f.window.RGE->itemIndex(), given);
    QVERIFY(f.shown("bsssbUI"));
    f.type(given == 0 ? "bsscEI" : "bsscEU", value);
    QCOMPARE(f.clickCountingRefusals("bsssbUI"), 0);

    QCOMPARE(f.text("bssLUI"), totalCaption);
    QCOMPARE(f.text("bssEUI"), f.local(total));
    const int n = int(parts.size());
    for (int i = 0; i < 4; ++i) {
        QCOMPARE(f.window.bssLUIn[i]->isHidden(), i >= n);
        QCOMPARE(f.window.bssEUIn[i]->isHidden(), i >= n);
        if (i < n) {
            QCOMPARE(f.window.bssLUIn[i]->text(), partCaptions[i]);
            QCOMPARE(f.window.bssEUIn[i]->text(), f.local(parts[i]));
        }
    }
    QVERIFY(!f.enabled("bsssbUI"));
    QVERIFY(!f.enabled(given == 0 ? "bsscEI" : "bsscEU"));
}

void TestUriPage::distributionRefusals_data()
{
    QTest::addColumn<QStringList>("resistances");
    QTest::addColumn<QString>("voltage");
    QTest::newRow("zero voltage") << QStringList{"8", "8"} << "0";
    // 1e-40 ohm in full: the current through it leaves the single-precision range.
    const QString tiny = QStringLiteral("0,") + QString(39, QLatin1Char('0')) + QStringLiteral("1");
    QTest::newRow("current past the number range") << QStringList{tiny, tiny} << "230";
}

void TestUriPage::distributionRefusals()
{
    QFETCH(QStringList, resistances);
    QFETCH(QString, voltage);
    WindowFixture f;
    enterNetwork(f, 3, resistances);
    QCOMPARE(f.clickCountingRefusals("bsssbEllenallas"), 0);
    QTest::mouseClick(f.window.RGE->item(1), Qt::LeftButton, {}, QPoint(6, 11));
    f.type("bsscEU", voltage);
    QCOMPARE(f.clickCountingRefusals("bsssbUI"), 1);
    QVERIFY(!f.shown("bssEUI") && !f.shown("bssLUI") && !f.shown("bssEUI1"));
    QVERIFY(f.enabled("bsssbUI") && f.enabled("bsscEU"));
    QVERIFY(!f.enabled("RGE"));
    for (QLineEdit* field : f.window.bssEUIn)
        QVERIFY(!field->text().contains(QLatin1String("INF")));
}

void TestUriPage::intoTheSecondStageBeforeTheFirstClear()
{
    WindowFixture f;
    QVERIFY(activate(f));
    enterNetwork(f, 0, {"4", "4"});
    f.click("bsssbEllenallas");
    // Clicking straight into the voltage field chooses "U =".
    clickInto(f.window.bsscEU);
    QTRY_VERIFY(f.window.bsscEU->hasFocus());
    QCOMPARE(f.window.RGE->itemIndex(), 1);
    QVERIFY(f.window.bsscEI->isHidden());
    QVERIFY(!f.window.RGE->isEnabled());
    QVERIFY(f.shown("bsssbUI"));
    f.type("bsscEU", QStringLiteral("16"));
    f.click("bsssbUI");
    QCOMPARE(f.text("bssEUI"), QStringLiteral("2 A"));
}

void TestUriPage::intoTheSecondStageAfterAClear()
{
    WindowFixture f;
    QVERIFY(activate(f));
    f.click("bsssbURIClear");
    enterNetwork(f, 3, {"8", "8"});
    f.click("bsssbEllenallas");
    QVERIFY(f.shown("bsscEI") && f.shown("bsscEU"));
    QVERIFY(!f.enabled("bsscEI") && !f.enabled("bsscEU")); // locked until an item is chosen

    QTest::mouseClick(f.window.RGE->item(0), Qt::LeftButton, {}, QPoint(6, 11));
    QCOMPARE(f.window.RGE->itemIndex(), 0);
    QVERIFY(f.enabled("bsscEI"));
    QVERIFY(f.window.bsscEU->isHidden());
    QTRY_VERIFY(f.window.bsscEI->hasFocus()); // the focus move ends after one level
    QVERIFY(!f.window.RGE->isEnabled());
    f.type("bsscEI", QStringLiteral("3"));
    f.click("bsssbUI");
    QCOMPARE(f.text("bssEUI"), QStringLiteral("12 V"));
    QCOMPARE(f.text("bssEUI2"), QStringLiteral("1,5 A"));
}

void TestUriPage::clearFromEveryState_data()
{
    QTest::addColumn<QString>("state");
    for (const char* state : {"start", "network chosen", "refused", "resistance computed",
                              "current given", "distributed", "after a clear"})
        QTest::newRow(state) << QString::fromLatin1(state);
}

void TestUriPage::clearFromEveryState()
{
    QFETCH(QString, state);
    WindowFixture f;
    if (state == "after a clear")
        f.click("bsssbURIClear");
    if (state != "start")
        enterNetwork(f, 5, {"1", "2", "3", state == "refused" ? "0" : "4"});
    if (state == "refused")
        QCOMPARE(f.clickCountingRefusals("bsssbEllenallas"), 1);
    if (state == "resistance computed" || state == "current given" || state == "distributed")
        f.click("bsssbEllenallas");
    if (state == "current given" || state == "distributed")
        QTest::mouseClick(f.window.RGE->item(0), Qt::LeftButton, {}, QPoint(6, 11));
    if (state == "distributed") {
        f.type("bsscEI", QStringLiteral("1"));
        QCOMPARE(f.clickCountingRefusals("bsssbUI"), 0);
        QVERIFY(f.shown("bssEUI4"));
    }
    const float members[] = {f.window.R1, f.window.Re, f.window.I};
    f.click("bsssbURIClear");
    verifyAfterClear(f);
    // The members keep their values.
    QCOMPARE(f.window.R1, members[0]);
    QCOMPARE(f.window.Re, members[1]);
    QCOMPARE(f.window.I, members[2]);
}

QTEST_MAIN(TestUriPage)
#include "tst_uripage.moc"
