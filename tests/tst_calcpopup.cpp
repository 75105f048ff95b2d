// The drop-down calculator of a numeric entry field: opening, placement,
// mouse and keyboard use, OK and the ways of closing it unchanged.
#include "calcpopup.h"
#include "fieldfixture.h"

#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QToolButton>

namespace
{

struct Fixture : testing::FieldFixture {
    using FieldFixture::FieldFixture;

    bool open()
    {
        QTest::mouseClick(field->calculatorButton(), Qt::LeftButton);
        return field->isCalculatorOpen();
    }

    kv::CalcPopup* popup() const { return field->calculator(); }

    void click(const char* key) const
    {
        auto* button = popup()->findChild<QPushButton*>(QString::fromLatin1(key));
        QVERIFY2(button, key);
        QTest::mouseClick(button, Qt::LeftButton);
    }

    void clickAll(std::initializer_list<const char*> keys) const
    {
        for (const char* key : keys)
            click(key);
    }

    QString display() const { return popup()->findChild<QLabel*>("display")->text(); }
    QString mark() const { return popup()->findChild<QLabel*>("memoryMark")->text(); }
    bool okEnabled() const { return popup()->findChild<QPushButton*>("okButton")->isEnabled(); }
};

} // namespace

class TestCalcPopup : public QObject
{
    Q_OBJECT

private slots:
    void opensUnderTheField();
    void placement_data();
    void placement();
    void startsFromTheValue();
    void okSetsTheClampedValue_data();
    void okSetsTheClampedValue();
    void errorDisablesOk();
    void memoryMark();
    void closesUnchanged_data();
    void closesUnchanged();
    void typingIntoTheFieldClosesItFirst();
    void keyboardInsideThePopup();
};

void TestCalcPopup::opensUnderTheField()
{
    Fixture f;
    QVERIFY(f.open());
    QCOMPARE(f.popup()->width(), kv::CalcPopup::Width);
    QVERIFY(f.popup()->windowFlags().testFlag(Qt::Popup));
    const QPoint fieldBottomLeft = f.field->mapToGlobal(QPoint(0, f.field->height()));
    QCOMPARE(f.popup()->pos(), fieldBottomLeft);
    QCOMPARE(f.display(), QStringLiteral("0"));
    QCOMPARE(f.mark(), QString());
    QVERIFY(f.okEnabled());
}

void TestCalcPopup::placement_data()
{
    QTest::addColumn<QRect>("field");
    QTest::addColumn<QPoint>("expected");

    // A popup of 220 x 200 on an 800 x 600 screen.
    QTest::newRow("room below") << QRect(100, 100, 150, 24) << QPoint(100, 124);
    QTest::newRow("no room below: above") << QRect(100, 500, 150, 24) << QPoint(100, 300);
    QTest::newRow("just fits below") << QRect(100, 376, 150, 24) << QPoint(100, 400);
    QTest::newRow("kept on screen at the right") << QRect(700, 100, 90, 24) << QPoint(580, 124);
    QTest::newRow("kept on screen at the left") << QRect(-50, 100, 90, 24) << QPoint(0, 124);
}

void TestCalcPopup::placement()
{
    QFETCH(QRect, field);
    QFETCH(QPoint, expected);
    QCOMPARE(kv::CalcPopup::placement(field, QSize(220, 200), QRect(0, 0, 800, 600)), expected);
}

void TestCalcPopup::startsFromTheValue()
{
    Fixture f;
    f.field->setValue(2.0 / 3.0);
    f.field->setPrecision(6);
    QVERIFY(f.open());
    QCOMPARE(f.display(), QStringLiteral("0,666667"));
    f.popup()->close();

    // A field at 0 shows what the calculator showed when it was last closed.
    f.field->setValue(0);
    QVERIFY(f.open());
    f.clickAll({"key4", "key2"});
    f.popup()->close();
    QVERIFY(f.open());
    QCOMPARE(f.display(), QStringLiteral("42"));
    QCOMPARE(f.field->value(), 0.0);
}

void TestCalcPopup::okSetsTheClampedValue_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QStringList>("keys");
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("text");

    QTest::newRow("sum [comma]") << "comma" << QStringList{"key1", "key2", "keyAdd", "key3"} << 15.0
                                 << "15,00";
    QTest::newRow("sum [point]") << "point" << QStringList{"key1", "key2", "keyAdd", "key3"} << 15.0
                                 << "15.00";
    QTest::newRow("fraction [point]")
        << "point"
        << QStringList{"key2", "keySeparator", "key5", "keyMultiply", "key3", "keyEquals"} << 7.5
        << "7.50";
    QTest::newRow("clamped above")
        << "comma" << QStringList{"key5", "key0", "key0", "key0"} << 1000.0 << "1000,00";
    QTest::newRow("clamped below") << "comma" << QStringList{"key3", "keySign"} << 0.0 << "0,00";
    QTest::newRow("rounded text, exact value")
        << "comma" << QStringList{"key1", "keyDivide", "key3"} << 1.0 / 3.0 << "0,33";
}

void TestCalcPopup::okSetsTheClampedValue()
{
    QFETCH(QString, locale);
    QFETCH(QStringList, keys);
    QFETCH(double, value);
    QFETCH(QString, text);

    Fixture f(testing::localeNamed(locale));
    QVERIFY(f.open());
    for (const QString& key : keys)
        f.click(key.toLatin1().constData());
    f.click("okButton");
    QVERIFY(!f.field->isCalculatorOpen());
    QCOMPARE(f.field->value(), value);
    QCOMPARE(f.field->text(), text);
}

void TestCalcPopup::errorDisablesOk()
{
    Fixture f;
    f.field->setValue(9);
    QVERIFY(f.open());
    f.clickAll({"keyDivide", "key0", "keyEquals"});
    QCOMPARE(f.display(), QString::fromUtf8(kv::CalcEngine::DivisionByZeroText.data()));
    QVERIFY(!f.okEnabled());
    f.popup()->findChild<QPushButton*>("okButton")->click(); // does nothing
    QVERIFY(f.field->isCalculatorOpen());

    f.clickAll({"keyClear", "key4", "keySign", "keySqrt"});
    QCOMPARE(f.display(), QString::fromUtf8(kv::CalcEngine::InvalidInputText.data()));
    f.clickAll({"keyClear", "key0", "keyReciprocal"});
    QCOMPARE(f.display(), QString::fromUtf8(kv::CalcEngine::DivisionByZeroText.data()));
    f.click("cancelButton");
    QCOMPARE(f.field->value(), 9.0);
}

void TestCalcPopup::memoryMark()
{
    Fixture f;
    QVERIFY(f.open());
    f.clickAll({"key5", "keyMS"});
    QCOMPARE(f.mark(), QStringLiteral("M"));
    f.clickAll({"key3", "keyMP", "keyClear", "keyMR"});
    QCOMPARE(f.display(), QStringLiteral("8"));
    f.click("keyMC");
    QCOMPARE(f.mark(), QString());

    f.click("keyMS");
    f.popup()->close();
    QVERIFY(f.open()); // the memory is empty again at each opening
    QCOMPARE(f.mark(), QString());
}

void TestCalcPopup::closesUnchanged_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("cancel") << "cancel";
    QTest::newRow("esc in the popup") << "esc popup";
    QTest::newRow("esc in the field") << "esc field";
    QTest::newRow("second button click") << "button";
    QTest::newRow("click outside") << "outside";
    QTest::newRow("focus loss") << "focus";
}

void TestCalcPopup::closesUnchanged()
{
    QFETCH(QString, how);

    Fixture f;
    f.field->setValue(12);
    f.window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&f.window));
    f.field->setFocus();
    QVERIFY(f.open());
    f.clickAll({"key7", "keyAdd", "key1"});

    if (how == "cancel") {
        f.click("cancelButton");
    } else if (how == "esc popup") {
        QTest::keyClick(f.popup(), Qt::Key_Escape);
    } else if (how == "esc field") {
        QTest::keyClick(f.field, Qt::Key_Escape);
    } else if (how == "button") {
        // Through the window system, as a real click: the press closes the
        // popup and must not be replayed to the button, which would reopen it.
        QToolButton* button = f.field->calculatorButton();
        const QPoint onButton = button->mapTo(&f.window, button->rect().center());
        QTest::mouseClick(f.window.windowHandle(), Qt::LeftButton, {}, onButton);
        QTest::qWait(20);
    } else if (how == "outside") {
        const QPoint onOther = f.other->mapTo(&f.window, QPoint(f.other->width() - 5, 5));
        QTest::mouseClick(f.window.windowHandle(), Qt::LeftButton, {}, onOther);
    } else if (how == "focus") {
        f.field->closeCalculator(); // the popup holds the keyboard; move focus from the field
        QVERIFY(f.open());
        f.other->setFocus(Qt::TabFocusReason);
    }
    QTRY_VERIFY(!f.field->isCalculatorOpen());
    QCOMPARE(f.field->value(), 12.0);
    QCOMPARE(f.field->text(), QStringLiteral("12,00"));
}

void TestCalcPopup::typingIntoTheFieldClosesItFirst()
{
    Fixture f;
    f.field->setValue(1);
    f.field->setCursorPosition(f.field->text().size());
    QVERIFY(f.open());
    QTest::keyClicks(f.field, QStringLiteral("5"));
    QVERIFY(!f.field->isCalculatorOpen());
    QCOMPARE(f.field->text(), QStringLiteral("1,005"));

    // A refused key leaves it open.
    QVERIFY(f.open());
    QTest::keyClicks(f.field, QStringLiteral("x"));
    QVERIFY(f.field->isCalculatorOpen());
}

void TestCalcPopup::keyboardInsideThePopup()
{
    Fixture f;
    QVERIFY(f.open());
    QTest::keyClicks(f.popup(), QStringLiteral("12+3"));
    QCOMPARE(f.display(), QStringLiteral("3"));
    QTest::keyClick(f.popup(), Qt::Key_Return);
    QCOMPARE(f.display(), QStringLiteral("15"));
    QTest::keyClicks(f.popup(), QStringLiteral("*2,5"));
    QTest::keyClick(f.popup(), Qt::Key_Backspace);
    QCOMPARE(f.display(), QStringLiteral("2,"));
    QTest::keyClicks(f.popup(), QStringLiteral("4/2"));
    QTest::keyClick(f.popup(), Qt::Key_Return, Qt::ControlModifier); // OK
    QVERIFY(!f.field->isCalculatorOpen());
    QCOMPARE(f.field->value(), 18.0); // (15 * 2.4) / 2
    QCOMPARE(f.field->text(), QStringLiteral("18,00"));

    QVERIFY(f.open());
    QTest::keyClicks(f.popup(), QStringLiteral("7"));
    QTest::keyClick(f.popup(), Qt::Key_Delete); // clear
    QCOMPARE(f.display(), QStringLiteral("0"));
}

QTEST_MAIN(TestCalcPopup)
#include "tst_calcpopup.moc"
