#include "numericedit.h"

#include "calcpopup.h"
#include "numberformat.h"

#include <QApplication>
#include <QKeyEvent>
#include <QStyle>
#include <QToolButton>

#include <algorithm>

namespace kv
{

NumericEdit::NumericEdit(QWidget* parent) : QLineEdit(parent)
{
    readSeparator();
    button_ = new QToolButton(this);
    button_->setObjectName(QStringLiteral("calculatorButton"));
    button_->setArrowType(Qt::DownArrow);
    button_->setFocusPolicy(Qt::NoFocus);
    button_->setCursor(Qt::ArrowCursor);
    button_->setAutoRaise(true);
    button_->setAccessibleName(QStringLiteral("Számológép"));
    connect(button_, &QToolButton::clicked, this, &NumericEdit::toggleCalculator);
    connect(this, &QLineEdit::textChanged, this, &NumericEdit::onTextChanged);
    setInitialText(QStringLiteral("0"));
    layoutButton();
}

NumericEdit::~NumericEdit() = default;

void NumericEdit::setValue(double x)
{
    value_ = range_.clamp(x);
    writeOwnText(QString::fromStdString(floatToFixed(value_, decimals_, separator_.toStdString())));
}

void NumericEdit::setInitialText(const QString& text)
{
    writeOwnText(text);
}

void NumericEdit::writeOwnText(const QString& text)
{
    if (text == this->text())
        return;
    writingOwnText_ = true;
    setText(text);
    writingOwnText_ = false;
}

void NumericEdit::setDecimals(int decimals)
{
    decimals_ = std::clamp(decimals, 0, 255);
}

void NumericEdit::setPrecision(int precision)
{
    precision_ = std::clamp(precision, 1, 255);
}

void NumericEdit::setButtonMode(bool on)
{
    buttonMode_ = on;
    button_->setVisible(on);
    if (!on)
        closeCalculator();
    layoutButton();
}

void NumericEdit::onTextChanged(const QString& text)
{
    if (correctingText_)
        return;
    if (!writingOwnText_) {
        const TypingOutcome outcome =
            applyTypedText(text.toStdString(), separator_.toStdString(), range_, decimals_);
        if (outcome.value)
            value_ = *outcome.value;
        if (outcome.replacement) {
            correctingText_ = true;
            setText(QString::fromStdString(*outcome.replacement));
            correctingText_ = false;
        }
    }
    emit changed();
}

void NumericEdit::refuseKey()
{
    QApplication::beep();
    emit keyRefused();
}

void NumericEdit::keyPressEvent(QKeyEvent* event)
{
    const int key = event->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        event->accept();
        refuseKey();
        return;
    }
    if (isCalculatorOpen() && key == Qt::Key_Escape) {
        event->accept();
        closeCalculator();
        return;
    }
    if ((key == Qt::Key_Down && (event->modifiers() & Qt::AltModifier)) || key == Qt::Key_F4) {
        event->accept();
        if (buttonMode_)
            toggleCalculator();
        return;
    }
    const QString typed = event->text();
    const bool shortcut =
        event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
    if (!typed.isEmpty() && !shortcut) {
        if (!acceptsTypedCharacter(typed.toStdString(), text().toStdString(),
                                   separator_.toStdString())) {
            event->accept();
            refuseKey();
            return;
        }
        closeCalculator();
    }
    QLineEdit::keyPressEvent(event);
}

void NumericEdit::focusInEvent(QFocusEvent* event)
{
    QLineEdit::focusInEvent(event);
    // Coming back from the calculator is not a new entry into the field.
    if (event->reason() != Qt::PopupFocusReason)
        emit entered();
}

void NumericEdit::focusOutEvent(QFocusEvent* event)
{
    QLineEdit::focusOutEvent(event);
    if (event->reason() != Qt::PopupFocusReason)
        closeCalculator();
}

void NumericEdit::resizeEvent(QResizeEvent* event)
{
    QLineEdit::resizeEvent(event);
    layoutButton();
}

void NumericEdit::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LocaleChange)
        readSeparator();
    if (event->type() == QEvent::EnabledChange && !isEnabled())
        closeCalculator();
    QLineEdit::changeEvent(event);
}

void NumericEdit::readSeparator()
{
    const QString point = locale().decimalPoint();
    separator_ = point.isEmpty() ? QStringLiteral(".") : point;
}

void NumericEdit::layoutButton()
{
    const int frame = style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, this);
    const int side = std::max(height() - 2 * frame, 1);
    button_->setGeometry(width() - frame - side, frame, side, side);
    setTextMargins(0, 0, buttonMode_ ? side : 0, 0);
}

bool NumericEdit::isCalculatorOpen() const
{
    return popup_ && popup_->isVisible();
}

void NumericEdit::toggleCalculator()
{
    if (isCalculatorOpen())
        closeCalculator();
    else
        openCalculator();
}

void NumericEdit::openCalculator()
{
    if (!isEnabled() || !buttonMode_ || isCalculatorOpen())
        return;
    if (!popup_) {
        popup_ = new CalcPopup(this, button_);
        connect(popup_, &CalcPopup::accepted, this, [this](double result) { setValue(result); });
    }
    popup_->popUp(value_, precision_, separator_);
}

void NumericEdit::closeCalculator()
{
    if (isCalculatorOpen())
        popup_->close();
}

} // namespace kv
