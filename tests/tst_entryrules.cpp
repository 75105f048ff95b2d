// The entry field's rules: well-formed text, parsing, clamping, the key filter
// and the outcome of a typed text.
#include "entryrules.h"

#include <QTest>

#include <cmath>
#include <limits>
#include <optional>
#include <string>

namespace
{

// Rows are written with "," as the separator; each also runs with ".".
QByteArray withSeparator(const char* text, const char* sep)
{
    QByteArray result(text);
    result.replace(',', sep);
    return result;
}

} // namespace

class TestEntryRules : public QObject
{
    Q_OBJECT

private slots:
    void wellFormed_data();
    void wellFormed();
    void parse_data();
    void parse();
    void parseExtremes();
    void multiByteSeparator();
    void clamp_data();
    void clamp();
    void keyFilter_data();
    void keyFilter();
    void typedText_data();
    void typedText();
};

void TestEntryRules::wellFormed_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QByteArray>("separator");
    QTest::addColumn<bool>("expected");

    const std::pair<const char*, bool> rows[] = {
        {"12", true},  {"12,", true},    {"-,5", true},    {"-3,25", true}, {"0", true},
        {"-0", true},  {"007", true},    {"", false},      {"-", false},    {",5", false},
        {"5-", false}, {"1,2,3", false}, {"1 000", false}, {"--1", false},  {"1e5", false},
        {"+1", false}, {"12a", false},   {"-,", true},     {",", false},    {" 1", false},
    };
    for (const char* sep : {",", "."}) {
        for (const auto& [text, expected] : rows) {
            QTest::addRow("\"%s\" [%s]", text, sep)
                << withSeparator(text, sep) << QByteArray(sep) << expected;
        }
    }
    // The other locale's separator is an ordinary character.
    QTest::newRow("point under comma") << QByteArray("1.5") << QByteArray(",") << false;
    QTest::newRow("comma under point") << QByteArray("1,5") << QByteArray(".") << false;
}

void TestEntryRules::wellFormed()
{
    QFETCH(QByteArray, text);
    QFETCH(QByteArray, separator);
    QFETCH(bool, expected);
    QCOMPARE(kv::isWellFormedNumber(text.toStdString(), separator.toStdString()), expected);
}

void TestEntryRules::parse_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QByteArray>("separator");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<double>("expected");

    struct Row {
        const char* text;
        bool valid;
        double expected;
    };
    const Row rows[] = {
        {"12", true, 12},       {"12,", true, 12},      {"-,5", true, -0.5},
        {"-3,25", true, -3.25}, {"0,775", true, 0.775}, {"-,", true, 0},
        {"1,2,3", false, 0},    {"", false, 0},         {"abc", false, 0},
    };
    for (const char* sep : {",", "."}) {
        for (const Row& r : rows) {
            QTest::addRow("\"%s\" [%s]", r.text, sep)
                << withSeparator(r.text, sep) << QByteArray(sep) << r.valid << r.expected;
        }
    }
}

void TestEntryRules::parse()
{
    QFETCH(QByteArray, text);
    QFETCH(QByteArray, separator);
    QFETCH(bool, valid);
    QFETCH(double, expected);
    const std::optional<double> value =
        kv::parseNumber(text.toStdString(), separator.toStdString());
    QCOMPARE(value.has_value(), valid);
    if (valid)
        QCOMPARE(*value, expected);
}

void TestEntryRules::parseExtremes()
{
    // More digits than a double holds: an infinity of the text's sign.
    const std::string huge(400, '9');
    QCOMPARE(kv::parseNumber(huge, ","), std::numeric_limits<double>::infinity());
    QCOMPARE(kv::parseNumber("-" + huge, ","), -std::numeric_limits<double>::infinity());

    // Ten thousand digits read without trouble.
    const std::string long10k = "1," + std::string(9998, '0');
    QCOMPARE(kv::parseNumber(long10k, ","), 1.0);

    // 1e-320 typed in full is a subnormal double; far smaller text reads as zero.
    const std::string tiny = "0," + std::string(319, '0') + "1";
    const std::optional<double> subnormal = kv::parseNumber(tiny, ",");
    QVERIFY(subnormal.has_value());
    QVERIFY(*subnormal > 0);
    QCOMPARE(*subnormal, 1e-320);
    const std::string tinier = "0," + std::string(400, '0') + "1";
    QCOMPARE(kv::parseNumber(tinier, ","), 0.0);
}

void TestEntryRules::multiByteSeparator()
{
    // Some locales use a separator of more than one byte in UTF-8.
    const std::string sep = "\xD9\xAB"; // ARABIC DECIMAL SEPARATOR
    QVERIFY(kv::isWellFormedNumber("12" + sep + "5", sep));
    QVERIFY(!kv::isWellFormedNumber("1" + sep + "2" + sep, sep));
    QCOMPARE(kv::parseNumber("12" + sep + "5", sep), 12.5);
    QVERIFY(kv::acceptsTypedCharacter(sep, "12", sep));
    QVERIFY(!kv::acceptsTypedCharacter(sep, "1" + sep + "2", sep));
    QVERIFY(!kv::acceptsTypedCharacter(".", "12", sep));
}

void TestEntryRules::clamp_data()
{
    QTest::addColumn<double>("min");
    QTest::addColumn<double>("max");
    QTest::addColumn<double>("x");
    QTest::addColumn<double>("expected");

    QTest::newRow("inside") << 0.0 << 1000.0 << 12.5 << 12.5;
    QTest::newRow("below") << 0.0 << 1000.0 << -5.0 << 0.0;
    QTest::newRow("above") << 0.0 << 1000.0 << 5000.0 << 1000.0;
    QTest::newRow("on the bound") << 0.0 << 1000.0 << 1000.0 << 1000.0;
    QTest::newRow("negative lower bound") << -1000.0 << 1000.0 << -1.8 << -1.8;
    QTest::newRow("below negative bound") << -1000.0 << 1000.0 << -2000.0 << -1000.0;
    QTest::newRow("equal bounds take anything") << 0.0 << 0.0 << -123456.0 << -123456.0;
    QTest::newRow("equal bounds, large") << 5.0 << 5.0 << 1e300 << 1e300;
    QTest::newRow("infinity clamps")
        << 0.0 << 1000.0 << std::numeric_limits<double>::infinity() << 1000.0;
}

void TestEntryRules::clamp()
{
    QFETCH(double, min);
    QFETCH(double, max);
    QFETCH(double, x);
    QFETCH(double, expected);
    QCOMPARE((kv::Range{min, max}.clamp(x)), expected);
}

void TestEntryRules::keyFilter_data()
{
    QTest::addColumn<QByteArray>("typed");
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QByteArray>("separator");
    QTest::addColumn<bool>("accepted");

    QTest::newRow("digit") << QByteArray("7") << QByteArray("12") << QByteArray(",") << true;
    QTest::newRow("separator") << QByteArray(",") << QByteArray("12") << QByteArray(",") << true;
    QTest::newRow("second separator")
        << QByteArray(",") << QByteArray("1,2") << QByteArray(",") << false;
    QTest::newRow("point under comma")
        << QByteArray(".") << QByteArray("12") << QByteArray(",") << false;
    QTest::newRow("comma under point")
        << QByteArray(",") << QByteArray("12") << QByteArray(".") << false;
    QTest::newRow("point under point")
        << QByteArray(".") << QByteArray("12") << QByteArray(".") << true;
    QTest::newRow("minus") << QByteArray("-") << QByteArray("12") << QByteArray(",") << true;
    QTest::newRow("second minus") << QByteArray("-") << QByteArray("-12") << QByteArray(",")
                                  << false;
    QTest::newRow("minus in empty") << QByteArray("-") << QByteArray("") << QByteArray(",") << true;
    QTest::newRow("letter") << QByteArray("a") << QByteArray("") << QByteArray(",") << false;
    QTest::newRow("blank") << QByteArray(" ") << QByteArray("1") << QByteArray(",") << false;
    QTest::newRow("plus") << QByteArray("+") << QByteArray("1") << QByteArray(",") << false;
    QTest::newRow("carriage return")
        << QByteArray("\r") << QByteArray("1") << QByteArray(",") << false;
    QTest::newRow("line feed") << QByteArray("\n") << QByteArray("1") << QByteArray(",") << false;
    QTest::newRow("backspace") << QByteArray("\b") << QByteArray("1") << QByteArray(",") << true;
    QTest::newRow("ctrl+v") << QByteArray("\x16") << QByteArray("1") << QByteArray(",") << true;
    QTest::newRow("no character") << QByteArray("") << QByteArray("1") << QByteArray(",") << true;
    QTest::newRow("non-ASCII letter")
        << QByteArray("\xC3\xA9") << QByteArray("1") << QByteArray(",") << false;
}

void TestEntryRules::keyFilter()
{
    QFETCH(QByteArray, typed);
    QFETCH(QByteArray, text);
    QFETCH(QByteArray, separator);
    QFETCH(bool, accepted);
    QCOMPARE(
        kv::acceptsTypedCharacter(typed.toStdString(), text.toStdString(), separator.toStdString()),
        accepted);
}

void TestEntryRules::typedText_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QByteArray>("separator");
    QTest::addColumn<bool>("valueSet");
    QTest::addColumn<double>("value");
    QTest::addColumn<QByteArray>("replacement"); // empty: the text stays

    // A field with range 0 to 1000 and two decimals.
    struct Row {
        const char* name;
        const char* text;
        bool valueSet;
        double value;
        const char* replacement;
    };
    const Row rows[] = {
        {"inside the range", "12,5", true, 12.5, ""},
        {"above the range", "5000", true, 1000, "1000,00"},
        {"below the range", "-5", true, 0, "0,00"},
        {"minus alone keeps the value", "-", false, 0, ""},
        {"empty keeps the value", "", false, 0, ""},
        {"ill-formed keeps the value", "1,2,3", false, 0, ""},
        {"trailing separator", "12,", true, 12, ""},
        {"far too many digits", "99999999999999999999999999999999999999", true, 1000, "1000,00"},
    };
    for (const char* sep : {",", "."}) {
        for (const Row& r : rows) {
            QTest::addRow("%s [%s]", r.name, sep)
                << withSeparator(r.text, sep) << QByteArray(sep) << r.valueSet << r.value
                << withSeparator(r.replacement, sep);
        }
    }
}

void TestEntryRules::typedText()
{
    QFETCH(QByteArray, text);
    QFETCH(QByteArray, separator);
    QFETCH(bool, valueSet);
    QFETCH(double, value);
    QFETCH(QByteArray, replacement);

    const kv::TypingOutcome outcome =
        kv::applyTypedText(text.toStdString(), separator.toStdString(), {0, 1000}, 2);
    QCOMPARE(outcome.value.has_value(), valueSet);
    if (valueSet)
        QCOMPARE(*outcome.value, value);
    QCOMPARE(QByteArray::fromStdString(outcome.replacement.value_or("")), replacement);
}

QTEST_APPLESS_MAIN(TestEntryRules)
#include "tst_entryrules.moc"
