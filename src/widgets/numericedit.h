// Numeric entry field: an edit box holding a double Value within
// MinValue..MaxValue, with a button that drops down a small calculator.
#pragma once

#include "entryrules.h"

#include <QLineEdit>

class QToolButton;

namespace kv
{

class CalcPopup;

class NumericEdit : public QLineEdit
{
    Q_OBJECT
    Q_PROPERTY(double Value READ value WRITE setValue)
    Q_PROPERTY(double MinValue READ minValue WRITE setMinValue)
    Q_PROPERTY(double MaxValue READ maxValue WRITE setMaxValue)
    Q_PROPERTY(int Decimal READ decimals WRITE setDecimals)
    Q_PROPERTY(int Precision READ precision WRITE setPrecision)
    Q_PROPERTY(double Increment READ increment WRITE setIncrement)
    Q_PROPERTY(bool ButtonMode READ buttonMode WRITE setButtonMode)

public:
    explicit NumericEdit(QWidget* parent = nullptr);
    ~NumericEdit() override;

    double value() const { return value_; }
    // Clamps x into the range and shows it with Decimal decimals.
    void setValue(double x);

    double minValue() const { return range_.min; }
    void setMinValue(double min) { range_.min = min; } // the current value is not re-checked
    double maxValue() const { return range_.max; }
    void setMaxValue(double max) { range_.max = max; }
    int decimals() const { return decimals_; }
    void setDecimals(int decimals);
    int precision() const { return precision_; }
    void setPrecision(int precision);
    double increment() const { return increment_; }
    void setIncrement(double increment) { increment_ = increment; }
    bool buttonMode() const { return buttonMode_; }
    void setButtonMode(bool on);

    // The text a form gives the field: shown, not read into Value.
    void setInitialText(const QString& text);

    QString decimalSeparator() const { return separator_; }

    bool isCalculatorOpen() const;
    void openCalculator();
    void closeCalculator();
    CalcPopup* calculator() const { return popup_; }
    QToolButton* calculatorButton() const { return button_; }

signals:
    void entered(); // the field gained the input focus
    void changed(); // the text changed (not while the field corrects typed text)
    void keyRefused();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void onTextChanged(const QString& text);
    void refuseKey();
    void toggleCalculator();
    void readSeparator();
    void layoutButton();
    void writeOwnText(const QString& text);

    Range range_;
    double value_ = 0;
    int decimals_ = 2;
    int precision_ = 15;
    double increment_ = 1;
    bool buttonMode_ = true;
    bool writingOwnText_ = false;
    bool correctingText_ = false;
    QString separator_ = QStringLiteral(".");
    QToolButton* button_ = nullptr;
    CalcPopup* popup_ = nullptr;
};

} // namespace kv
