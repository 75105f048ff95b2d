// The numeric entry field driven by real key events, under a comma and a
// point locale.
#include "fieldfixture.h"

#include <QClipboard>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>

namespace
{

using Fixture = testing::FieldFixture;

void addLocaleRows(const char* name, const char* keys, const char* text, double value, int refused,
                   const std::function<void(QTestData&)>& extra = {})
{
    for (const char* locale : {"comma", "point"}) {
        const char sep = locale[0] == 'c' ? ',' : '.';
        QByteArray k(keys), t(text);
        k.replace(',', sep);
        t.replace(',', sep);
        QTestData& row = QTest::addRow("%s [%s]", name, locale);
        row << QString::fromLatin1(locale) << QString::fromLatin1(k) << QString::fromLatin1(t)
            << value << refused;
        if (extra)
            extra(row);
    }
}

} // namespace

class TestNumericEdit : public QObject
{
    Q_OBJECT

private slots:
    void typing_data();
    void typing();
    void wrongSeparatorAndEnterBeep_data();
    void wrongSeparatorAndEnterBeep();
    void deletingAllKeepsValue();
    void changeEvents();
    void settingValues_data();
    void settingValues();
    void equalBoundsTakeAnything();
    void initialTextIsNotRead();
    void paste_data();
    void paste();
    void lockedFieldTakesNoKeys();
    void enteredOnFocus();
    void localeChangeIsFollowed();
    void propertiesByName();
};

void TestNumericEdit::typing_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("value");
    QTest::addColumn<int>("refused");

    // Each row starts from Value 7 with its text selected, so the first key
    // replaces it.
    addLocaleRows("number", "12,5", "12,5", 12.5, 0);
    addLocaleRows("trailing separator", "12,", "12,", 12, 0);
    addLocaleRows("minus alone keeps the value", "-", "-", 7, 0);
    addLocaleRows("minus then digit is corrected", "-5", "0,00", 0, 0);
    addLocaleRows("above the range on the fourth key", "5000", "1000,00", 1000, 0);
    addLocaleRows("second separator beeps", "1,2,3", "1,23", 1.23, 1);
    addLocaleRows("second minus beeps", "--", "-", 7, 1);
    addLocaleRows("letters beep", "4a2b", "42", 42, 2);
    addLocaleRows("minus after digits is ill-formed", "5-", "5-", 5, 0);
    addLocaleRows("negative fraction", "-,5", "0,00", 0, 0);
}

void TestNumericEdit::typing()
{
    QFETCH(QString, locale);
    QFETCH(QString, keys);
    QFETCH(QString, text);
    QFETCH(double, value);
    QFETCH(int, refused);

    Fixture f(testing::localeNamed(locale));
    f.field->setValue(7);
    f.field->selectAll();
    QSignalSpy beeps(f.field, &kv::NumericEdit::keyRefused);
    QTest::keyClicks(f.field, keys);
    QCOMPARE(f.field->text(), text);
    QCOMPARE(f.field->value(), value);
    QCOMPARE(beeps.count(), refused);
}

void TestNumericEdit::wrongSeparatorAndEnterBeep_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("wrongSeparator");
    QTest::newRow("comma locale") << "comma"
                                  << ".";
    QTest::newRow("point locale") << "point"
                                  << ",";
}

void TestNumericEdit::wrongSeparatorAndEnterBeep()
{
    QFETCH(QString, locale);
    QFETCH(QString, wrongSeparator);

    Fixture f(testing::localeNamed(locale));
    f.field->selectAll();
    QTest::keyClicks(f.field, QStringLiteral("12"));
    QSignalSpy beeps(f.field, &kv::NumericEdit::keyRefused);
    QTest::keyClicks(f.field, wrongSeparator);
    QTest::keyClick(f.field, Qt::Key_Return);
    QTest::keyClick(f.field, Qt::Key_Enter, Qt::KeypadModifier);
    QCOMPARE(beeps.count(), 3);
    QCOMPARE(f.field->text(), QStringLiteral("12"));
    QCOMPARE(f.field->value(), 12.0);
}

void TestNumericEdit::deletingAllKeepsValue()
{
    Fixture f(testing::commaLocale());
    f.field->selectAll();
    QTest::keyClicks(f.field, QStringLiteral("12"));
    f.field->selectAll();
    QTest::keyClick(f.field, Qt::Key_Backspace);
    QCOMPARE(f.field->text(), QString());
    QCOMPARE(f.field->value(), 12.0);
}

void TestNumericEdit::changeEvents()
{
    Fixture f(testing::commaLocale());
    f.field->selectAll();
    QSignalSpy changes(f.field, &kv::NumericEdit::changed);
    QTest::keyClicks(f.field, QStringLiteral("5000"));
    // One per key; the correction to 1000,00 raises none of its own.
    QCOMPARE(changes.count(), 4);
    QCOMPARE(f.field->text(), QStringLiteral("1000,00"));

    changes.clear();
    f.field->setValue(3);
    QCOMPARE(changes.count(), 1);
    f.field->setValue(3); // same text: nothing is written
    QCOMPARE(changes.count(), 1);
}

void TestNumericEdit::settingValues_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<int>("decimals");
    QTest::addColumn<double>("x");
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("text");

    QTest::newRow("0.775, 3 decimals [comma]") << "comma" << 3 << 0.775 << 0.775 << "0,775";
    QTest::newRow("0.775, 3 decimals [point]") << "point" << 3 << 0.775 << 0.775 << "0.775";
    QTest::newRow("zero [comma]") << "comma" << 2 << 0.0 << 0.0 << "0,00";
    QTest::newRow("zero [point]") << "point" << 2 << 0.0 << 0.0 << "0.00";
    QTest::newRow("1000 [comma]") << "comma" << 2 << 1000.0 << 1000.0 << "1000,00";
    QTest::newRow("below range [comma]") << "comma" << 2 << -5.0 << 0.0 << "0,00";
    QTest::newRow("above range [point]") << "point" << 2 << 5000.0 << 1000.0 << "1000.00";
    // The value keeps every digit; only the text is rounded.
    QTest::newRow("rounded text [comma]") << "comma" << 2 << 2.345678 << 2.345678 << "2,35";
}

void TestNumericEdit::settingValues()
{
    QFETCH(QString, locale);
    QFETCH(int, decimals);
    QFETCH(double, x);
    QFETCH(double, value);
    QFETCH(QString, text);

    Fixture f(testing::localeNamed(locale));
    f.field->setDecimals(decimals);
    f.field->setValue(x);
    QCOMPARE(f.field->value(), value);
    QCOMPARE(f.field->text(), text);
}

void TestNumericEdit::equalBoundsTakeAnything()
{
    Fixture f(testing::commaLocale());
    f.field->setMaxValue(0);
    f.field->selectAll();
    QTest::keyClicks(f.field, QStringLiteral("-123,5"));
    QCOMPARE(f.field->value(), -123.5);
    QCOMPARE(f.field->text(), QStringLiteral("-123,5"));
    f.field->setValue(1e9);
    QCOMPARE(f.field->value(), 1e9);
}

void TestNumericEdit::initialTextIsNotRead()
{
    Fixture f(testing::commaLocale());
    f.field->setInitialText(QStringLiteral("0,00"));
    f.field->setValue(0); // same text: nothing written
    f.field->setInitialText(QStringLiteral("55"));
    QCOMPARE(f.field->text(), QStringLiteral("55"));
    QCOMPARE(f.field->value(), 0.0);
}

void TestNumericEdit::paste_data()
{
    QTest::addColumn<QString>("clipboard");
    QTest::addColumn<double>("value");

    // The field starts at 7 with its text selected.
    QTest::newRow("number") << "12,5" << 12.5;
    QTest::newRow("letters") << "abc" << 7.0;
    QTest::newRow("several separators") << "1,2,3" << 7.0;
    QTest::newRow("point under a comma locale") << "1.5" << 7.0;
    QTest::newRow("10000 digits") << QString(10000, QLatin1Char('9')) << 1000.0;
    QTest::newRow("10000 letters") << QString(10000, QLatin1Char('x')) << 7.0;
    QTest::newRow("negative") << "-3" << 0.0;
    QTest::newRow("blank and digits") << " 42" << 7.0;
}

void TestNumericEdit::paste()
{
    QFETCH(QString, clipboard);
    QFETCH(double, value);

    Fixture f(testing::commaLocale());
    f.field->setValue(7);
    f.field->selectAll();
    QApplication::clipboard()->setText(clipboard);
    QTest::keyClick(f.field, Qt::Key_V, Qt::ControlModifier);

    QCOMPARE(f.field->value(), value);
    QVERIFY(f.field->value() >= f.field->minValue() && f.field->value() <= f.field->maxValue());
    // A text that reads as a number always agrees with the value.
    const std::optional<double> shown = kv::parseNumber(f.field->text().toStdString(), ",");
    if (shown)
        QCOMPARE(*shown, f.field->value());
}

void TestNumericEdit::lockedFieldTakesNoKeys()
{
    Fixture f(testing::commaLocale());
    f.field->setValue(5);
    f.field->setEnabled(false);
    QTest::keyClicks(f.field, QStringLiteral("9"));
    QCOMPARE(f.field->text(), QStringLiteral("5,00"));
    QTest::mouseClick(f.field->calculatorButton(), Qt::LeftButton);
    QVERIFY(!f.field->isCalculatorOpen());
    f.field->setEnabled(true);
    QTest::mouseClick(f.field->calculatorButton(), Qt::LeftButton);
    QVERIFY(f.field->isCalculatorOpen());
    f.field->closeCalculator();
}

void TestNumericEdit::enteredOnFocus()
{
    Fixture f(testing::commaLocale());
    QVERIFY(f.activate());
    f.other->setFocus();
    QSignalSpy entered(f.field, &kv::NumericEdit::entered);
    QTest::keyClick(f.other, Qt::Key_Backtab, Qt::ShiftModifier);
    QTRY_VERIFY(f.field->hasFocus());
    QCOMPARE(entered.count(), 1);

    // Opening and closing the calculator is not a new entry.
    f.field->openCalculator();
    QTRY_VERIFY(f.field->isCalculatorOpen());
    f.field->closeCalculator();
    QTRY_VERIFY(f.field->hasFocus());
    QCOMPARE(entered.count(), 1);
}

void TestNumericEdit::localeChangeIsFollowed()
{
    Fixture f(testing::commaLocale());
    QCOMPARE(f.field->decimalSeparator(), QStringLiteral(","));
    f.window.setLocale(testing::pointLocale()); // announced to the children as a change
    QCOMPARE(f.field->decimalSeparator(), QStringLiteral("."));
    f.field->selectAll();
    QTest::keyClicks(f.field, QStringLiteral("2.5"));
    QCOMPARE(f.field->value(), 2.5);
}

void TestNumericEdit::propertiesByName()
{
    Fixture f(testing::commaLocale());
    QVERIFY(f.field->setProperty("MaxValue", 100.0));
    QVERIFY(f.field->setProperty("Decimal", 3));
    QVERIFY(f.field->setProperty("Value", 250.0)); // runs the setter: clamped and shown
    QCOMPARE(f.field->property("Value").toDouble(), 100.0);
    QCOMPARE(f.field->text(), QStringLiteral("100,000"));
    QCOMPARE(f.field->property("MinValue").toDouble(), 0.0);
    QCOMPARE(f.field->property("Precision").toInt(), 15);
    QCOMPARE(f.field->property("Increment").toDouble(), 1.0);
    QVERIFY(f.field->property("ButtonMode").toBool());
    QVERIFY(f.field->setProperty("ButtonMode", false));
    QVERIFY(f.field->calculatorButton()->isHidden());
}

QTEST_MAIN(TestNumericEdit)
#include "tst_numericedit.moc"
