// The engine of the drop-down calculator: a simple immediate-execution
// calculator with one memory register.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace kv
{

enum class CalcKey {
    Digit0,
    Digit1,
    Digit2,
    Digit3,
    Digit4,
    Digit5,
    Digit6,
    Digit7,
    Digit8,
    Digit9,
    Separator,
    Sign,
    Divide,
    Multiply,
    Subtract,
    Add,
    Sqrt,
    Percent,
    Reciprocal,
    Equals,
    Back,
    Clear,
    MemoryAdd,    // MP
    MemoryStore,  // MS
    MemoryRecall, // MR
    MemoryClear,  // MC
};

CalcKey digitKey(int digit);

class CalcEngine
{
public:
    // Error texts shown in the display.
    static constexpr std::string_view DivisionByZeroText = "Nullával nem lehet osztani";
    static constexpr std::string_view InvalidInputText = "Érvénytelen bemenet";
    static constexpr std::string_view OverflowText = "Túlcsordulás";

    // Starts a session: the memory is emptied; a non-zero value is shown in
    // general form with `precision` significant digits, while 0 keeps what
    // the display showed at the end of the previous session.
    void open(double value, int precision);

    void press(CalcKey key);

    // OK: completes a pending operation as "=" would and returns the result;
    // nullopt while the display shows an error.
    std::optional<double> accept();

    std::string display(std::string_view decimalSeparator) const;
    bool hasError() const { return !error_.empty(); }
    bool memoryMarked() const { return memory_ != 0; }
    double value() const;
    double memory() const { return memory_; }
    int precision() const { return precision_; }

private:
    enum class Op { None, Divide, Multiply, Subtract, Add };

    void typeDigit(char digit);
    void typeSeparator();
    void showResult(double x);
    void setError(std::string_view text);
    void operatorKey(Op op);
    void equals();
    double apply(Op op, double left, double right);
    int typedDigitCount() const;

    int precision_ = 15;
    std::string entry_; // digits typed so far, "." as separator; empty when not typing
    double shown_ = 0;  // the displayed number when not typing
    double accumulator_ = 0;
    Op pending_ = Op::None;
    bool awaitingOperand_ = false; // an operator was just pressed
    double memory_ = 0;
    std::string error_;
};

} // namespace kv
