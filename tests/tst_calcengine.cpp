// The drop-down calculator's engine, driven by key sequences.
//
// Key script: digits, "," separator, "~" +/-, "/ * - +", "q" sqrt, "%",
// "r" 1/x, "=", "<" backspace, "C" clear, "P" MP, "S" MS, "R" MR, "c" MC.
#include "calcengine.h"

#include <QTest>

#include <string>

namespace
{

kv::CalcKey keyFor(char c)
{
    using K = kv::CalcKey;
    if (c >= '0' && c <= '9')
        return kv::digitKey(c - '0');
    switch (c) {
    case ',':
        return K::Separator;
    case '~':
        return K::Sign;
    case '/':
        return K::Divide;
    case '*':
        return K::Multiply;
    case '-':
        return K::Subtract;
    case '+':
        return K::Add;
    case 'q':
        return K::Sqrt;
    case '%':
        return K::Percent;
    case 'r':
        return K::Reciprocal;
    case '=':
        return K::Equals;
    case '<':
        return K::Back;
    case 'C':
        return K::Clear;
    case 'P':
        return K::MemoryAdd;
    case 'S':
        return K::MemoryStore;
    case 'R':
        return K::MemoryRecall;
    case 'c':
        return K::MemoryClear;
    }
    qFatal("unknown key '%c' in script", c);
}

void run(kv::CalcEngine& engine, const QByteArray& script)
{
    for (const char c : script)
        engine.press(keyFor(c));
}

} // namespace

class TestCalcEngine : public QObject
{
    Q_OBJECT

private slots:
    void keys_data();
    void keys();
    void displayUsesSeparator();
    void startRule();
    void memoryEmptyAtEachOpening();
    void acceptCompletesPendingOperation();
    void acceptRefusedInError();
};

void TestCalcEngine::keys_data()
{
    QTest::addColumn<double>("openValue");
    QTest::addColumn<int>("precision");
    QTest::addColumn<QByteArray>("script");
    QTest::addColumn<QString>("display");
    QTest::addColumn<bool>("error");
    QTest::addColumn<bool>("memoryMark");

    const QString divZero = QString::fromUtf8(kv::CalcEngine::DivisionByZeroText.data());
    const QString invalid = QString::fromUtf8(kv::CalcEngine::InvalidInputText.data());
    const QString overflow = QString::fromUtf8(kv::CalcEngine::OverflowText.data());

    // Entering numbers.
    QTest::newRow("digits") << 0.0 << 15 << QByteArray("123") << "123" << false << false;
    QTest::newRow("leading zero replaced")
        << 0.0 << 15 << QByteArray("007") << "7" << false << false;
    QTest::newRow("separator") << 0.0 << 15 << QByteArray("1,5") << "1,5" << false << false;
    QTest::newRow("separator first") << 0.0 << 15 << QByteArray(",5") << "0,5" << false << false;
    QTest::newRow("second separator ignored")
        << 0.0 << 15 << QByteArray("1,2,3") << "1,23" << false << false;
    QTest::newRow("digit beyond the length ignored")
        << 0.0 << 4 << QByteArray("123456") << "1234" << false << false;
    QTest::newRow("sign while typing") << 0.0 << 15 << QByteArray("12~") << "-12" << false << false;
    QTest::newRow("sign twice") << 0.0 << 15 << QByteArray("12~~") << "12" << false << false;
    QTest::newRow("sign of zero") << 0.0 << 15 << QByteArray("0~") << "0" << false << false;
    QTest::newRow("backspace") << 0.0 << 15 << QByteArray("123<") << "12" << false << false;
    QTest::newRow("backspace to zero") << 0.0 << 15 << QByteArray("1<<") << "0" << false << false;
    QTest::newRow("backspace of negative")
        << 0.0 << 15 << QByteArray("5~<") << "0" << false << false;
    QTest::newRow("backspace leaves a result")
        << 0.0 << 15 << QByteArray("2+3=<") << "5" << false << false;
    QTest::newRow("clear") << 0.0 << 15 << QByteArray("12+3C") << "0" << false << false;

    // Operations.
    QTest::newRow("add") << 0.0 << 15 << QByteArray("2+3=") << "5" << false << false;
    QTest::newRow("subtract") << 0.0 << 15 << QByteArray("2-3=") << "-1" << false << false;
    QTest::newRow("multiply") << 0.0 << 15 << QByteArray("2,5*4=") << "10" << false << false;
    QTest::newRow("divide") << 0.0 << 15 << QByteArray("1/3=") << "0,333333333333333" << false
                            << false;
    QTest::newRow("chain evaluates left to right")
        << 0.0 << 15 << QByteArray("2+3*4=") << "20" << false << false;
    QTest::newRow("intermediate result shown")
        << 0.0 << 15 << QByteArray("2+3*") << "5" << false << false;
    QTest::newRow("operator replaced")
        << 0.0 << 15 << QByteArray("6+*2=") << "12" << false << false;
    QTest::newRow("equals without operand")
        << 0.0 << 15 << QByteArray("5+=") << "10" << false << false;
    QTest::newRow("new number after equals")
        << 0.0 << 15 << QByteArray("2+3=7") << "7" << false << false;
    QTest::newRow("decimal sum shown to 15 digits")
        << 0.0 << 15 << QByteArray(",1+,2=") << "0,3" << false << false;
    QTest::newRow("sqrt") << 0.0 << 15 << QByteArray("16q") << "4" << false << false;
    QTest::newRow("sqrt as operand") << 0.0 << 15 << QByteArray("1+9q=") << "4" << false << false;
    QTest::newRow("reciprocal") << 0.0 << 15 << QByteArray("4r") << "0,25" << false << false;
    QTest::newRow("percent alone") << 0.0 << 15 << QByteArray("50%") << "0,5" << false << false;
    QTest::newRow("percent of the first operand")
        << 0.0 << 15 << QByteArray("200+10%=") << "220" << false << false;
    QTest::newRow("percent as a factor")
        << 0.0 << 15 << QByteArray("200*10%=") << "20" << false << false;
    QTest::newRow("sign of a result") << 0.0 << 15 << QByteArray("2+3=~") << "-5" << false << false;
    QTest::newRow("large result in E form")
        << 0.0 << 15 << QByteArray("1000000*1000000000=*1000=") << "1E18" << false << false;

    // Errors.
    QTest::newRow("division by zero")
        << 0.0 << 15 << QByteArray("5/0=") << divZero << true << false;
    QTest::newRow("one over zero") << 0.0 << 15 << QByteArray("0r") << divZero << true << false;
    QTest::newRow("root of a negative")
        << 0.0 << 15 << QByteArray("4~q") << invalid << true << false;
    QTest::newRow("division by zero in a chain")
        << 0.0 << 15 << QByteArray("5/0+") << divZero << true << false;
    QTest::newRow("operators ignored in error")
        << 0.0 << 15 << QByteArray("5/0=+3=") << "3" << false << false;
    QTest::newRow("clear leaves the error")
        << 0.0 << 15 << QByteArray("0rC") << "0" << false << false;
    QTest::newRow("digit after error starts anew")
        << 0.0 << 15 << QByteArray("0r7") << "7" << false << false;
    QTest::newRow("overflow") << 1e300 << 15 << QByteArray("*=") << overflow << true << false;

    // Memory.
    QTest::newRow("store shows the mark") << 0.0 << 15 << QByteArray("5S") << "5" << false << true;
    QTest::newRow("store then recall") << 0.0 << 15 << QByteArray("5SC9R") << "5" << false << true;
    QTest::newRow("add to memory") << 0.0 << 15 << QByteArray("5S3PCR") << "8" << false << true;
    QTest::newRow("memory clear hides the mark")
        << 0.0 << 15 << QByteArray("5Sc") << "5" << false << false;
    QTest::newRow("memory back to zero hides the mark")
        << 0.0 << 15 << QByteArray("5S5~P") << "-5" << false << false;
    QTest::newRow("store zero shows no mark")
        << 0.0 << 15 << QByteArray("0S") << "0" << false << false;
    QTest::newRow("clear keeps memory") << 0.0 << 15 << QByteArray("7SCR") << "7" << false << true;
    QTest::newRow("typing after store starts anew")
        << 0.0 << 15 << QByteArray("5S8") << "8" << false << true;
    QTest::newRow("recall as operand") << 0.0 << 15 << QByteArray("4S1+R=") << "5" << false << true;
    QTest::newRow("memory keys ignored in error")
        << 0.0 << 15 << QByteArray("0rS") << divZero << true << false;
}

void TestCalcEngine::keys()
{
    QFETCH(double, openValue);
    QFETCH(int, precision);
    QFETCH(QByteArray, script);
    QFETCH(QString, display);
    QFETCH(bool, error);
    QFETCH(bool, memoryMark);

    kv::CalcEngine engine;
    engine.open(openValue, precision);
    run(engine, script);
    QCOMPARE(QString::fromStdString(engine.display(",")), display);
    QCOMPARE(engine.hasError(), error);
    QCOMPARE(engine.memoryMarked(), memoryMark);
}

void TestCalcEngine::displayUsesSeparator()
{
    kv::CalcEngine engine;
    engine.open(0, 15);
    run(engine, "1,5");
    QCOMPARE(engine.display("."), std::string("1.5"));
    QCOMPARE(engine.display(","), std::string("1,5"));
    run(engine, "=");
    QCOMPARE(engine.display("."), std::string("1.5"));
    QCOMPARE(engine.value(), 1.5);
}

void TestCalcEngine::startRule()
{
    kv::CalcEngine engine;
    engine.open(0, 15);
    QCOMPARE(engine.display(","), std::string("0")); // first opening

    engine.open(2.0 / 3.0, 15); // a non-zero value in general form
    QCOMPARE(engine.display(","), std::string("0,666666666666667"));
    engine.open(2.0 / 3.0, 6); // with the field's significant digits
    QCOMPARE(engine.display(","), std::string("0,666667"));
    engine.open(1.5e20, 15);
    QCOMPARE(engine.display(","), std::string("1,5E20"));

    run(engine, "42");
    engine.open(0, 15); // a zero value keeps the last display
    QCOMPARE(engine.display(","), std::string("42"));
    engine.open(7, 15); // a non-zero value replaces it
    QCOMPARE(engine.display(","), std::string("7"));
    run(engine, "5"); // typing after opening starts a new number
    QCOMPARE(engine.display(","), std::string("5"));

    run(engine, "/0=");
    engine.open(0, 15); // an error is not carried into the next opening
    QVERIFY(!engine.hasError());
    QCOMPARE(engine.display(","), std::string("0"));
}

void TestCalcEngine::memoryEmptyAtEachOpening()
{
    kv::CalcEngine engine;
    engine.open(0, 15);
    run(engine, "9S");
    QVERIFY(engine.memoryMarked());
    engine.open(0, 15);
    QVERIFY(!engine.memoryMarked());
    run(engine, "R");
    QCOMPARE(engine.display(","), std::string("0"));
}

void TestCalcEngine::acceptCompletesPendingOperation()
{
    kv::CalcEngine engine;
    engine.open(10, 15);
    run(engine, "+5");
    QCOMPARE(engine.accept(), 15.0);
    QCOMPARE(engine.display(","), std::string("15"));

    engine.open(0, 15);
    run(engine, "12,");
    QCOMPARE(engine.accept(), 12.0);
}

void TestCalcEngine::acceptRefusedInError()
{
    kv::CalcEngine engine;
    engine.open(0, 15);
    run(engine, "4~q");
    QCOMPARE(engine.accept(), std::nullopt);
    engine.open(0, 15);
    run(engine, "8/0"); // the pending division fails on OK
    QCOMPARE(engine.accept(), std::nullopt);
    QVERIFY(engine.hasError());
}

QTEST_APPLESS_MAIN(TestCalcEngine)
#include "tst_calcengine.moc"
