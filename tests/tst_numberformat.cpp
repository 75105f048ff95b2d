// Conversions of numbers to text: patterns, the general conversion and the
// fixed-decimals conversion, under a comma and a point separator.
#include "numberformat.h"

#include <QTest>

#include <clocale>
#include <cmath>
#include <limits>
#include <string>

using namespace std::string_literals;

namespace
{

// Rows are written with "," as the separator; every row runs again with "."
// in its place.
void addBothSeparators(const char* name, const std::string& expectedComma,
                       const std::function<void(QTestData&)>& fill)
{
    for (const char* sep : {",", "."}) {
        std::string expected = expectedComma;
        for (char& c : expected) {
            if (c == ',')
                c = sep[0];
        }
        QTestData& row = QTest::addRow("%s [%s]", name, sep);
        fill(row);
        row << QByteArray(sep) << QByteArray::fromStdString(expected);
    }
}

// Restores the C library's locale when the test function ends, pass or fail.
class CLocaleGuard
{
public:
    CLocaleGuard() : saved_(std::setlocale(LC_ALL, nullptr)) {}
    ~CLocaleGuard() { std::setlocale(LC_ALL, saved_.c_str()); }

private:
    std::string saved_;
};

constexpr long double inf = std::numeric_limits<long double>::infinity();

} // namespace

class TestNumberFormat : public QObject
{
    Q_OBJECT

private slots:
    void pattern_data();
    void pattern();
    void general_data();
    void general();
    void fixed_data();
    void fixed();
    void generalWithFewerDigits();
    void independentOfCLocale();
};

void TestNumberFormat::pattern_data()
{
    QTest::addColumn<QByteArray>("pattern");
    QTest::addColumn<long double>("x");
    QTest::addColumn<QByteArray>("separator");
    QTest::addColumn<QByteArray>("expected");

    struct Row {
        const char* name;
        const char* pattern;
        long double x;
        const char* expected;
    };
    const Row rows[] = {
        // The table of patterns: 12.375 and 7 with each.
        {"dB 12.375", "#0.## dB", 12.375L, "12,38 dB"},
        {"dB 7", "#0.## dB", 7, "7 dB"},
        {"threshold 12.375", "#0.## dB (Threshold)", 12.375L, "12,38 dB (Threshold)"},
        {"threshold 7", "#0.## dB (Threshold)", 7, "7 dB (Threshold)"},
        {"dBu 12.375", "#0.### dBu", 12.375L, "12,375 dBu"},
        {"dBu 7", "#0.### dBu", 7, "7 dBu"},
        {"W 12.375", "#0.## W", 12.375L, "12,38 W"},
        {"V 12.375", "#0.## V", 12.375L, "12,38 V"},
        {"total V 12.375", "###0.## V", 12.375L, "12,38 V"},
        {"resistor V 7", "##0.## V", 7, "7 V"},
        {"A 12.375", "##0.## A", 12.375L, "12,38 A"},
        {"ohm 12.375", "##0.## ohm", 12.375L, "12,38 ohm"},
        {"ohm 7", "##0.## ohm", 7, "7 ohm"},
        // Rounding and sign.
        {"zero", "#0.## dB", 0, "0 dB"},
        {"half", "#0.## dB", 0.5L, "0,5 dB"},
        {"negative rounds away", "#0.## dB", -3.125L, "-3,13 dB"},
        {"all integer digits", "#0.## dB", 250.5L, "250,5 dB"},
        {"carry into integer", "#0.## dB", 99.999L, "100 dB"},
        {"smallest rounding up", "#0.## dB", 0.005L, "0,01 dB"},
        {"rounds to zero", "#0.## dB", 0.004L, "0 dB"},
        {"negative rounds to zero, no sign", "#0.## dB", -0.004L, "0 dB"},
        {"tiny", "#0.## dB", 0.0004L, "0 dB"},
        {"negative zero", "#0.## dB", -0.0L, "0 dB"},
        {"dBu negative half", "#0.### dBu", -0.0005L, "-0,001 dBu"},
        {"large integer", "##0.## V", 8000000000.0L, "8000000000 V"},
        {"below 1e18", "#0.## dB", 999999999999999999.0L, "999999999999999999 dB"},
        {"1e18 drops the literal", "#0.## dB", 1e18L, "1E18"},
        {"infinite", "#0.## dB", inf, "INF"},
        {"minus infinite", "#0.## dB", -inf, "-INF"},
        {"not a number", "#0.## dB", std::numeric_limits<long double>::quiet_NaN(), "NAN"},
        {"literal E stays text", "#0.## Eb", 1.5L, "1,5 Eb"},
        // A single-precision value is shown with the digits it holds.
        {"float 0.1", "#0.### dBu", static_cast<long double>(0.1f), "0,1 dBu"},
        {"float 1.255 rounds on its stored digits", "#0.## dB", static_cast<long double>(1.255f),
         "1,25 dB"},
        {"no decimals", "#0 x", 2.5L, "3 x"},
        {"zero placeholders pad", "0.00", 2.5L, "2,50"},
    };
    for (const Row& r : rows) {
        addBothSeparators(r.name, r.expected,
                          [&](QTestData& row) { row << QByteArray(r.pattern) << r.x; });
    }
}

void TestNumberFormat::pattern()
{
    QFETCH(QByteArray, pattern);
    QFETCH(long double, x);
    QFETCH(QByteArray, separator);
    QFETCH(QByteArray, expected);
    QCOMPARE(QByteArray::fromStdString(
                 kv::formatFloat(pattern.toStdString(), x, separator.toStdString())),
             expected);
}

void TestNumberFormat::general_data()
{
    QTest::addColumn<long double>("x");
    QTest::addColumn<QByteArray>("separator");
    QTest::addColumn<QByteArray>("expected");

    struct Row {
        const char* name;
        long double x;
        const char* expected;
    };
    const Row rows[] = {
        {"400", 400, "400"},
        {"2.5", 2.5L, "2,5"},
        {"0.1", 0.1L, "0,1"},
        {"one third", 1.0L / 3.0L, "0,333333333333333"},
        {"0.0001 plain", 0.0001L, "0,0001"},
        {"0.00001 E form", 0.00001L, "1E-5"},
        {"1e15 E form", 1e15L, "1E15"},
        {"below 1e15 plain", 999999999999999.0L, "999999999999999"},
        {"1.5e20", 1.5e20L, "1,5E20"},
        {"float nearest 0.1", static_cast<long double>(0.1f), "0,100000001490116"},
        {"zero", 0, "0"},
        {"negative zero", -0.0L, "0"},
        {"negative", -2.5L, "-2,5"},
        {"16 integer digits", 1234567890123456.0L, "1,23456789012346E15"},
        {"rounds up to a power of ten", 9999999999999999.0L, "1E16"},
        {"negative small", -0.00012345L, "-0,00012345"},
        {"tiny", 1e-320L, "1E-320"},
        {"infinite", inf, "INF"},
        {"minus infinite", -inf, "-INF"},
        {"not a number", std::numeric_limits<long double>::quiet_NaN(), "NAN"},
    };
    for (const Row& r : rows)
        addBothSeparators(r.name, r.expected, [&](QTestData& row) { row << r.x; });
}

void TestNumberFormat::general()
{
    QFETCH(long double, x);
    QFETCH(QByteArray, separator);
    QFETCH(QByteArray, expected);
    QCOMPARE(QByteArray::fromStdString(kv::floatToText(x, separator.toStdString())), expected);
}

void TestNumberFormat::fixed_data()
{
    QTest::addColumn<long double>("x");
    QTest::addColumn<int>("decimals");
    QTest::addColumn<QByteArray>("separator");
    QTest::addColumn<QByteArray>("expected");

    struct Row {
        const char* name;
        long double x;
        int decimals;
        const char* expected;
    };
    const Row rows[] = {
        {"zero, 2 decimals", 0, 2, "0,00"},
        {"0.775, 3 decimals", static_cast<long double>(0.775), 3, "0,775"},
        {"1000", 1000, 2, "1000,00"},
        {"400", 400, 2, "400,00"},
        {"rounds half away", 2.345L, 2, "2,35"},
        {"negative rounds half away", -2.345L, 2, "-2,35"},
        {"negative rounding to zero has no sign", -0.001L, 2, "0,00"},
        {"no decimals", 12.5L, 0, "13"},
        {"below one", 0.5L, 2, "0,50"},
        {"fifteen digits at most", 123456789012.345678L, 5, "123456789012,34600"},
        {"range top", 1000000, 2, "1000000,00"},
        {"more than 15 integer digits", 1e17L, 2, "1E17"},
        {"infinite", inf, 2, "INF"},
    };
    for (const Row& r : rows) {
        addBothSeparators(r.name, r.expected, [&](QTestData& row) { row << r.x << r.decimals; });
    }
}

void TestNumberFormat::fixed()
{
    QFETCH(long double, x);
    QFETCH(int, decimals);
    QFETCH(QByteArray, separator);
    QFETCH(QByteArray, expected);
    QCOMPARE(QByteArray::fromStdString(kv::floatToFixed(x, decimals, separator.toStdString())),
             expected);
}

void TestNumberFormat::generalWithFewerDigits()
{
    QCOMPARE(kv::floatToGeneral(2.0L / 3.0L, 6, ","), "0,666667"s);
    QCOMPARE(kv::floatToGeneral(123456789.0L, 4, "."), "123500000"s);
    QCOMPARE(kv::floatToGeneral(9.99999L, 3, "."), "10"s);
}

void TestNumberFormat::independentOfCLocale()
{
    CLocaleGuard guard;
    if (!std::setlocale(LC_ALL, "hu_HU.UTF-8"))
        QSKIP("hu_HU.UTF-8 is not installed (the set-up scripts install locales-all)");
    QCOMPARE(std::localeconv()->decimal_point, ","s); // the process now formats with a comma

    QCOMPARE(kv::formatFloat("#0.## dB", 12.375L, "."), "12.38 dB"s);
    QCOMPARE(kv::floatToText(1.5e20L, "."), "1.5E20"s);
    QCOMPARE(kv::floatToText(1.0L / 3.0L, "."), "0.333333333333333"s);
    QCOMPARE(kv::floatToFixed(0.775L, 3, "."), "0.775"s);
    QCOMPARE(kv::floatToFixed(1000, 2, ","), "1000,00"s);
}

QTEST_APPLESS_MAIN(TestNumberFormat)
#include "tst_numberformat.moc"
