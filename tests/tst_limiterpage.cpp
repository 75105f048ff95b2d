// The limiter page: presets, the bridge box, the threshold calculation, its
// locking and its clear, driven by picks, clicks and typing.
#include "presets.h"
#include "windowfixture.h"

#include <QAbstractItemView>
#include <QCheckBox>

using testing::WindowFixture;

namespace
{

// Picks a loudspeaker, an amplifier and a limiter row, in that order.
void pickChain(const WindowFixture& f, int speaker, int amplifier, int limiter)
{
    f.pick("bssCBHT", speaker);
    f.pick("bssCBE", amplifier);
    f.pick("bssCBL", limiter);
}

void tickBridge(const WindowFixture& f)
{
    QTest::mouseClick(f.window.bssCRBhid, Qt::LeftButton, {}, QPoint(8, 11));
}

// The page as it starts and as every clear leaves it.
void verifyStartState(const WindowFixture& f)
{
    const TLimiter& w = f.window;
    for (QComboBox* list : {w.bssCBHT, w.bssCBE, w.bssCBL})
        QCOMPARE(list->currentIndex(), 0);
    for (kv::NumericEdit* field : {w.bsscEP, w.bsscER, w.bsscEG, w.bssceOffset})
        QCOMPARE(field->value(), 0.0);
    QVERIFY(w.bssCRBhid->isHidden());
    QVERIFY(!w.bssCRBhid->isChecked());
    QCOMPARE(w.bridgeFlag, 0);
    QCOMPARE(f.text("bsslCPP"), QStringLiteral("W"));
    QCOMPARE(f.text("bsslRMS"), QStringLiteral("W"));
    QCOMPARE(f.text("bsslUmaxV"), QStringLiteral("V"));
    QCOMPARE(f.text("bsslUmaxdBu"), QStringLiteral("dBu"));
    QCOMPARE(f.text("bssELH"), QString());
    for (const char* name : {"bsspH", "bsspE", "bssceOffset", "bssCBL", "bsssbLimiter",
                             "bsssbClearLim", "bssCBHT", "bsscEP", "bsscEG"})
        QVERIFY2(f.find(name)->isEnabled(), name);
}

} // namespace

class TestLimiterPage : public QObject
{
    Q_OBJECT

private slots:
    void listTextsAreThePresetNames();
    void loudspeakerPresets_data();
    void loudspeakerPresets();
    void repickingTheShownRowAppliesNothing();
    void amplifierAndBridge_data();
    void amplifierAndBridge();
    void bridgedThenChangeAmplifier();
    void limiterOffset();
    void threshold_data();
    void threshold();
    void refusals_data();
    void refusals();
    void lockedAfterCalculation();
    void clearWhileBridged();
    void clearFromEveryState_data();
    void clearFromEveryState();
    void tabOrder();
};

void TestLimiterPage::listTextsAreThePresetNames()
{
    WindowFixture f;
    const auto speakers = kv::loudspeakerPresets();
    for (int row = 0; row < f.window.bssCBHT->count(); ++row)
        QCOMPARE(f.window.bssCBHT->itemText(row).toStdString(), std::string(speakers[row].name));
    QCOMPARE(f.window.bssCBHT->itemText(23), QStringLiteral("Zavav Hexa Low "));
    QCOMPARE(f.window.bssCBE->itemText(1), QStringLiteral("PC1004MKII"));
    QCOMPARE(f.window.bssCBL->itemText(4), QStringLiteral("LEM DX 26 Plus"));

    // The drop-down part carries its caption line and shows 8 rows at a time.
    QCOMPARE(f.window.bssCBHT->maxVisibleItems(), 8);
    f.window.bssCBHT->showPopup();
    auto* caption = f.window.bssCBHT->view()->parentWidget()->findChild<QLabel*>("dropDownCaption");
    QVERIFY(caption);
    QCOMPARE(caption->text(), QStringLiteral("A hangfal típusa"));
    QTRY_VERIFY(caption->isVisible());
    f.window.bssCBHT->hidePopup();
}

void TestLimiterPage::loudspeakerPresets_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<double>("power");
    QTest::addColumn<double>("impedance");
    QTest::newRow("Zavav Lite 8") << 1 << 400.0 << 8.0;
    QTest::newRow("Zavav PR Stroke-600") << 10 << 600.0 << 4.0;
    QTest::newRow("Zavav TOP Live-XL") << 14 << 1200.0 << 4.0;
    QTest::newRow("Zavav CINEMA SUB") << 27 << 600.0 << 8.0;
}

void TestLimiterPage::loudspeakerPresets()
{
    QFETCH(int, row);
    QFETCH(double, power);
    QFETCH(double, impedance);
    WindowFixture f;
    f.pick("bssCBHT", row);
    QCOMPARE(f.field("bsscEP")->value(), power);
    QCOMPARE(f.field("bsscER")->value(), impedance);
    QCOMPARE(f.field("bsscEP")->text(), QString::number(power) + QStringLiteral(",00"));

    // The free choice discards typed values.
    f.type("bsscER", QStringLiteral("16"));
    f.pick("bssCBHT", 0);
    QCOMPARE(f.field("bsscEP")->value(), 0.0);
    QCOMPARE(f.field("bsscER")->value(), 0.0);
}

void TestLimiterPage::repickingTheShownRowAppliesNothing()
{
    WindowFixture f;
    f.pick("bssCBHT", 1);
    f.type("bsscEP", QStringLiteral("500"));
    f.window.bssCBHT->setCurrentIndex(1); // the row already shown
    QCOMPARE(f.field("bsscEP")->value(), 500.0);
    f.pick("bssCBHT", 2);
    f.pick("bssCBHT", 1);
    QCOMPARE(f.field("bsscEP")->value(), 400.0);
}

void TestLimiterPage::amplifierAndBridge_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<double>("chosen");
    QTest::addColumn<double>("bridged");
    QTest::addColumn<double>("unbridged");
    QTest::newRow("PC1004MKII") << 1 << 31.2 << 38.0 << 32.0;
    QTest::newRow("PC1504") << 2 << 31.2 << 37.4 << 31.4;
    QTest::newRow("PC2008") << 3 << 38.0 << 44.0 << 38.0;
}

void TestLimiterPage::amplifierAndBridge()
{
    QFETCH(int, row);
    QFETCH(double, chosen);
    QFETCH(double, bridged);
    QFETCH(double, unbridged);

    WindowFixture f;
    f.pick("bssCBE", row);
    QCOMPARE(f.field("bsscEG")->value(), chosen);
    QVERIFY(!f.window.bssCRBhid->isHidden());

    tickBridge(f);
    QVERIFY(f.window.bssCRBhid->isChecked());
    QCOMPARE(f.window.bridgeFlag, 1);
    QCOMPARE(f.field("bsscEG")->value(), bridged);

    tickBridge(f);
    QVERIFY(!f.window.bssCRBhid->isChecked());
    QCOMPARE(f.window.bridgeFlag, 0);
    QCOMPARE(f.field("bsscEG")->value(), unbridged);

    // The keyboard flips it as well.
    f.window.bssCRBhid->setFocus();
    QTest::keyClick(f.window.bssCRBhid, Qt::Key_Space);
    QCOMPARE(f.window.bridgeFlag, 1);
    QCOMPARE(f.field("bsscEG")->value(), bridged);

    // The free choice hides the box and keeps the gain.
    f.pick("bssCBE", 0);
    QVERIFY(f.window.bssCRBhid->isHidden());
    QCOMPARE(f.field("bsscEG")->value(), bridged);
}

void TestLimiterPage::bridgedThenChangeAmplifier()
{
    WindowFixture f;
    f.pick("bssCBE", 1);
    tickBridge(f);
    QCOMPARE(f.field("bsscEG")->value(), 38.0);
    f.pick("bssCBE", 3);
    QCOMPARE(f.field("bsscEG")->value(), 38.0);
    QVERIFY(f.window.bssCRBhid->isChecked());
    QCOMPARE(f.window.bridgeFlag, 1);
    tickBridge(f); // unticks: normal PC2008 gain
    QVERIFY(!f.window.bssCRBhid->isChecked());
    QCOMPARE(f.field("bsscEG")->value(), 38.0);
    tickBridge(f);
    QCOMPARE(f.field("bsscEG")->value(), 44.0);

    // Hidden and shown again, a ticked box comes back ticked.
    f.pick("bssCBE", 0);
    f.pick("bssCBE", 2);
    QVERIFY(f.window.bssCRBhid->isChecked());
    QCOMPARE(f.field("bsscEG")->value(), 31.2);
}

void TestLimiterPage::limiterOffset()
{
    WindowFixture f;
    for (int row = 1; row <= 4; ++row) {
        f.type("bssceOffset", QStringLiteral("5"));
        f.pick("bssCBL", row);
        QCOMPARE(f.field("bssceOffset")->value(), -1.8);
        QCOMPARE(f.field("bssceOffset")->text(), QStringLiteral("-1,80"));
        f.pick("bssCBL", 0);
        QCOMPARE(f.field("bssceOffset")->value(), -1.8); // the free choice writes nothing
    }
}

void TestLimiterPage::threshold_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QList<int>>("rows");      // loudspeaker, amplifier, limiter
    QTest::addColumn<QStringList>("typed");    // power, impedance, gain, offset; empty: keep
    QTest::addColumn<QStringList>("expected"); // CPP, RMS, Umax V, Umax dBu, threshold

    for (const char* locale : {"comma", "point"}) {
        QTest::addRow("Zavav Lite 8, PC1004MKII, LEM DX 24 [%s]", locale)
            << locale << QList<int>{1, 1, 1} << QStringList{"", "", "", ""}
            << QStringList{"400 W", "200 W", "40 V", "34,255 dBu", "1,26 dB (Threshold)"};
        QTest::addRow("offset typed to 0 [%s]", locale)
            << locale << QList<int>{1, 1, 1} << QStringList{"", "", "", "0"}
            << QStringList{"400 W", "200 W", "40 V", "34,255 dBu", "3,06 dB"};
    }
    QTest::newRow("offset typed, free limiter")
        << "comma" << QList<int>{1, 1, 0} << QStringList{"", "", "", "-1,8"}
        << QStringList{"400 W", "200 W", "40 V", "34,255 dBu", "1,26 dB"};
    QTest::newRow("positive offset, LEM DX 26")
        << "comma" << QList<int>{1, 1, 3} << QStringList{"", "", "", "0,5"}
        << QStringList{"400 W", "200 W", "40 V", "34,255 dBu", "3,56 dB (Threshold)"};
    QTest::newRow("negative threshold")
        << "comma" << QList<int>{0, 0, 0} << QStringList{"100", "8", "44", ""}
        << QStringList{"100 W", "50 W", "20 V", "28,235 dBu", "-15,77 dB"};
    QTest::newRow("largest inputs")
        << "comma" << QList<int>{0, 0, 0} << QStringList{"1000000", "1000", "1", ""}
        << QStringList{"1000000 W", "500000 W", "22360,68 V", "89,204 dBu", "88,2 dB"};
    QTest::newRow("fractional power")
        << "point" << QList<int>{0, 0, 0} << QStringList{"2,5", "8", "1", ""}
        << QStringList{"2,5 W", "1,25 W", "3,16 V", "12,214 dBu", "11,21 dB"};
}

void TestLimiterPage::threshold()
{
    QFETCH(QString, locale);
    QFETCH(QList<int>, rows);
    QFETCH(QStringList, typed);
    QFETCH(QStringList, expected);

    WindowFixture f(testing::localeNamed(locale));
    pickChain(f, rows[0], rows[1], rows[2]);
    const char* fields[] = {"bsscEP", "bsscER", "bsscEG", "bssceOffset"};
    for (int i = 0; i < 4; ++i) {
        if (!typed[i].isEmpty())
            f.type(fields[i], typed[i]);
    }
    QCOMPARE(f.clickCountingRefusals("bsssbLimiter"), 0);
    const char* results[] = {"bsslCPP", "bsslRMS", "bsslUmaxV", "bsslUmaxdBu", "bssELH"};
    for (int i = 0; i < 5; ++i)
        QCOMPARE(f.text(results[i]), f.local(expected[i]));
}

void TestLimiterPage::refusals_data()
{
    QTest::addColumn<QStringList>("typed"); // power, impedance, gain
    QTest::newRow("at start") << QStringList{"", "", ""};
    QTest::newRow("impedance 0") << QStringList{"400", "", "30"};
    QTest::newRow("gain 0") << QStringList{"400", "8", ""};
    // P x R so small that the voltage rounds to 0 in single precision.
    const QString tiny = QStringLiteral("0,") + QString(59, QLatin1Char('0')) + QStringLiteral("1");
    QTest::newRow("voltage rounds to 0") << QStringList{tiny, tiny, "30"};
}

void TestLimiterPage::refusals()
{
    QFETCH(QStringList, typed);
    WindowFixture f;
    const char* fields[] = {"bsscEP", "bsscER", "bsscEG"};
    for (int i = 0; i < 3; ++i) {
        if (!typed[i].isEmpty())
            f.type(fields[i], typed[i]);
    }
    QCOMPARE(f.clickCountingRefusals("bsssbLimiter"), 1);
    QCOMPARE(f.text("bsslCPP"), QStringLiteral("W"));
    QCOMPARE(f.text("bsslUmaxdBu"), QStringLiteral("dBu"));
    QCOMPARE(f.text("bssELH"), QString());
    QVERIFY(f.enabled("bsssbLimiter") && f.enabled("bsspH") && f.enabled("bssCBL"));
}

void TestLimiterPage::lockedAfterCalculation()
{
    WindowFixture f;
    pickChain(f, 1, 1, 1);
    f.click("bsssbLimiter");
    for (const char* name : {"bsspH", "bsspE", "bssceOffset", "bssCRBhid", "bssCBL", "bsssbLimiter",
                             "bssCBHT", "bsscEP", "bsscER", "bssCBE", "bsscEG"})
        QVERIFY2(!f.find(name)->isEnabled(), name);
    QVERIFY(f.enabled("bsssbClearLim"));
    QVERIFY(f.enabled("bssELH")); // the result field is never locked

    // Locked controls take no picks or keys.
    QTest::keyClick(f.window.bssCBHT, Qt::Key_Down);
    QCOMPARE(f.window.bssCBHT->currentIndex(), 1);
    QTest::keyClicks(f.field("bsscEG"), QStringLiteral("9"));
    QCOMPARE(f.field("bsscEG")->value(), 31.2);
}

void TestLimiterPage::clearWhileBridged()
{
    WindowFixture f;
    f.pick("bssCBE", 1);
    tickBridge(f);
    QCOMPARE(f.field("bsscEG")->value(), 38.0);
    f.click("bsssbClearLim");
    verifyStartState(f);
    f.pick("bssCBE", 1);
    QVERIFY(!f.window.bssCRBhid->isHidden());
    QVERIFY(!f.window.bssCRBhid->isChecked());
    QCOMPARE(f.field("bsscEG")->value(), 31.2);
    tickBridge(f);
    QCOMPARE(f.field("bsscEG")->value(), 38.0);
}

void TestLimiterPage::clearFromEveryState_data()
{
    QTest::addColumn<QString>("state");
    QTest::newRow("start") << "start";
    QTest::newRow("presets chosen") << "presets";
    QTest::newRow("refused") << "refused";
    QTest::newRow("calculated and locked") << "locked";
    QTest::newRow("calculated while bridged") << "bridged";
}

void TestLimiterPage::clearFromEveryState()
{
    QFETCH(QString, state);
    WindowFixture f;
    if (state != "start")
        pickChain(f, 14, 2, 4);
    if (state == "refused") {
        f.type("bsscEG", QStringLiteral("0"));
        QCOMPARE(f.clickCountingRefusals("bsssbLimiter"), 1);
    }
    if (state == "bridged")
        tickBridge(f);
    if (state == "locked" || state == "bridged")
        QCOMPARE(f.clickCountingRefusals("bsssbLimiter"), 0);
    f.click("bsssbClearLim");
    verifyStartState(f);
}

void TestLimiterPage::tabOrder()
{
    WindowFixture f;
    f.window.bsSkinPageControl1->setCurrentIndex(2);
    f.pick("bssCBE", 1); // the bridge box is shown
    f.window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&f.window));
    f.window.bssCBHT->setFocus();
    QStringList visited{QApplication::focusWidget()->objectName()};
    for (int i = 0; i < 8; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited << QApplication::focusWidget()->objectName();
    }
    QCOMPARE(visited, (QStringList{"bssCBHT", "bsscEP", "bsscER", "bssCBE", "bsscEG", "bssCRBhid",
                                   "bssCBL", "bssELH", "bssceOffset"}));
}

QTEST_MAIN(TestLimiterPage)
#include "tst_limiterpage.moc"
