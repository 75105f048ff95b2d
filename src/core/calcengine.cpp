#include "calcengine.h"

#include "entryrules.h"
#include "numberformat.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace kv
{

CalcKey digitKey(int digit)
{
    return static_cast<CalcKey>(static_cast<int>(CalcKey::Digit0) + std::clamp(digit, 0, 9));
}

void CalcEngine::open(double value, int precision)
{
    precision_ = std::clamp(precision, 1, 18);
    memory_ = 0;
    accumulator_ = 0;
    pending_ = Op::None;
    awaitingOperand_ = false;
    if (value != 0 && std::isfinite(value)) {
        error_.clear();
        showResult(value);
    } else if (hasError()) {
        press(CalcKey::Clear);
    }
}

double CalcEngine::value() const
{
    if (entry_.empty())
        return shown_;
    return parseNumber(entry_, ".").value_or(0.0);
}

std::string CalcEngine::display(std::string_view sep) const
{
    if (hasError())
        return error_;
    if (entry_.empty())
        return floatToGeneral(shown_, precision_, sep);
    std::string text;
    for (const char c : entry_) {
        if (c == '.')
            text.append(sep);
        else
            text.push_back(c);
    }
    return text;
}

int CalcEngine::typedDigitCount() const
{
    return static_cast<int>(
        std::count_if(entry_.begin(), entry_.end(), [](char c) { return c >= '0' && c <= '9'; }));
}

void CalcEngine::typeDigit(char digit)
{
    if (hasError())
        press(CalcKey::Clear);
    awaitingOperand_ = false;
    if (entry_.empty() || entry_ == "0") {
        entry_.assign(1, digit);
    } else if (entry_ == "-0") {
        entry_ = std::string("-") + digit;
    } else if (typedDigitCount() < precision_) {
        entry_.push_back(digit);
    }
}

void CalcEngine::typeSeparator()
{
    if (hasError())
        press(CalcKey::Clear);
    awaitingOperand_ = false;
    if (entry_.empty())
        entry_ = "0.";
    else if (entry_.find('.') == std::string::npos && typedDigitCount() < precision_)
        entry_.push_back('.');
}

void CalcEngine::showResult(double x)
{
    entry_.clear();
    if (!std::isfinite(x)) {
        setError(OverflowText);
        return;
    }
    // What is shown is what is used: round to the display's digits.
    const std::string text = floatToGeneral(x, precision_, ".");
    double shown = 0;
    std::from_chars(text.data(), text.data() + text.size(), shown);
    shown_ = shown == 0 ? 0.0 : shown;
    if (!std::isfinite(shown_))
        setError(OverflowText);
}

void CalcEngine::setError(std::string_view text)
{
    error_ = text;
    entry_.clear();
    shown_ = 0;
    accumulator_ = 0;
    pending_ = Op::None;
    awaitingOperand_ = false;
}

double CalcEngine::apply(Op op, double left, double right)
{
    switch (op) {
    case Op::Divide:
        if (right == 0) {
            setError(DivisionByZeroText);
            return 0;
        }
        return left / right;
    case Op::Multiply:
        return left * right;
    case Op::Subtract:
        return left - right;
    case Op::Add:
        return left + right;
    case Op::None:
        break;
    }
    return right;
}

void CalcEngine::operatorKey(Op op)
{
    if (hasError())
        return;
    if (pending_ != Op::None && !awaitingOperand_) {
        const double result = apply(pending_, accumulator_, value());
        if (hasError())
            return;
        showResult(result);
        if (hasError())
            return;
    } else if (!awaitingOperand_) {
        showResult(value());
    }
    accumulator_ = shown_;
    pending_ = op;
    awaitingOperand_ = true;
}

void CalcEngine::equals()
{
    if (hasError())
        return;
    if (pending_ == Op::None) {
        showResult(value());
        return;
    }
    const double result = apply(pending_, accumulator_, value());
    if (hasError())
        return;
    pending_ = Op::None;
    awaitingOperand_ = false;
    showResult(result);
}

void CalcEngine::press(CalcKey key)
{
    if (key >= CalcKey::Digit0 && key <= CalcKey::Digit9) {
        typeDigit(
            static_cast<char>('0' + static_cast<int>(key) - static_cast<int>(CalcKey::Digit0)));
        return;
    }
    switch (key) {
    case CalcKey::Separator:
        typeSeparator();
        return;
    case CalcKey::Clear:
        entry_.clear();
        error_.clear();
        shown_ = 0;
        accumulator_ = 0;
        pending_ = Op::None;
        awaitingOperand_ = false;
        return;
    default:
        break;
    }
    if (hasError())
        return;

    const double x = value();
    switch (key) {
    case CalcKey::Sign:
        if (!entry_.empty()) {
            if (entry_.front() == '-')
                entry_.erase(0, 1);
            else if (entry_ != "0")
                entry_.insert(0, 1, '-');
        } else {
            showResult(-x);
            awaitingOperand_ = false;
        }
        break;
    case CalcKey::Divide:
        operatorKey(Op::Divide);
        break;
    case CalcKey::Multiply:
        operatorKey(Op::Multiply);
        break;
    case CalcKey::Subtract:
        operatorKey(Op::Subtract);
        break;
    case CalcKey::Add:
        operatorKey(Op::Add);
        break;
    case CalcKey::Sqrt:
        if (x < 0) {
            setError(InvalidInputText);
        } else {
            showResult(std::sqrt(x));
            awaitingOperand_ = false;
        }
        break;
    case CalcKey::Percent:
        if (pending_ == Op::Add || pending_ == Op::Subtract)
            showResult(accumulator_ * x / 100);
        else
            showResult(x / 100);
        awaitingOperand_ = false;
        break;
    case CalcKey::Reciprocal:
        if (x == 0) {
            setError(DivisionByZeroText);
        } else {
            showResult(1 / x);
            awaitingOperand_ = false;
        }
        break;
    case CalcKey::Equals:
        equals();
        break;
    case CalcKey::Back:
        if (!entry_.empty()) {
            entry_.pop_back();
            if (entry_.empty() || entry_ == "-")
                entry_.assign(1, '0'); // assign(): GCC 12 warns wrongly on operator=
        }
        break;
    case CalcKey::MemoryAdd:
        if (!std::isfinite(memory_ + x)) {
            setError(OverflowText);
            break;
        }
        memory_ += x;
        showResult(x);
        break;
    case CalcKey::MemoryStore:
        memory_ = x;
        showResult(x);
        break;
    case CalcKey::MemoryRecall:
        showResult(memory_);
        awaitingOperand_ = false;
        break;
    case CalcKey::MemoryClear:
        memory_ = 0;
        break;
    default:
        break;
    }
}

std::optional<double> CalcEngine::accept()
{
    if (hasError())
        return std::nullopt;
    equals();
    if (hasError())
        return std::nullopt;
    return value();
}

} // namespace kv
