#include "calcpopup.h"

#include "skin.h"

#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>

#include <algorithm>

namespace kv
{

CalcPopup::CalcPopup(QWidget* owner, QWidget* toggleButton)
    : QFrame(owner, Qt::Popup | Qt::FramelessWindowHint), owner_(owner), toggleButton_(toggleButton)
{
    setObjectName(QStringLiteral("calculator"));
    setFrameStyle(QFrame::Box | QFrame::Plain);
    QPalette framePalette = palette();
    framePalette.setColor(QPalette::WindowText, QColor(skin::Border));
    setPalette(framePalette);
    setFixedWidth(Width);

    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(4, 4, 4, 4);
    grid->setSpacing(2);

    display_ = new QLabel(this);
    display_->setObjectName(QStringLiteral("display"));
    display_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    display_->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    display_->setMinimumHeight(24);
    display_->setAutoFillBackground(true);
    QPalette displayPalette = display_->palette();
    displayPalette.setColor(QPalette::Window, QColor(0xe9, 0xf6, 0xdf));
    display_->setPalette(displayPalette);
    QFont large = display_->font();
    large.setPixelSize(14);
    display_->setFont(large);
    display_->setIndent(4);
    display_->setAccessibleName(QStringLiteral("Kijelző"));
    memoryMark_ = new QLabel(QStringLiteral("M"), this);
    memoryMark_->setObjectName(QStringLiteral("memoryMark"));
    memoryMark_->setAlignment(Qt::AlignCenter);
    grid->addWidget(display_, 0, 0, 1, 4);
    grid->addWidget(memoryMark_, 0, 4);

    struct Key {
        const char* caption;
        const char* name;
        CalcKey key;
    };
    const Key keys[5][5] = {
        {{"MC", "keyMC", CalcKey::MemoryClear},
         {"MR", "keyMR", CalcKey::MemoryRecall},
         {"MS", "keyMS", CalcKey::MemoryStore},
         {"MP", "keyMP", CalcKey::MemoryAdd},
         {"\u2190", "keyBack", CalcKey::Back}},
        {{"7", "key7", CalcKey::Digit7},
         {"8", "key8", CalcKey::Digit8},
         {"9", "key9", CalcKey::Digit9},
         {"/", "keyDivide", CalcKey::Divide},
         {"\u221A", "keySqrt", CalcKey::Sqrt}},
        {{"4", "key4", CalcKey::Digit4},
         {"5", "key5", CalcKey::Digit5},
         {"6", "key6", CalcKey::Digit6},
         {"*", "keyMultiply", CalcKey::Multiply},
         {"%", "keyPercent", CalcKey::Percent}},
        {{"1", "key1", CalcKey::Digit1},
         {"2", "key2", CalcKey::Digit2},
         {"3", "key3", CalcKey::Digit3},
         {"-", "keySubtract", CalcKey::Subtract},
         {"1/x", "keyReciprocal", CalcKey::Reciprocal}},
        {{"0", "key0", CalcKey::Digit0},
         {"\u00B1", "keySign", CalcKey::Sign},
         {".", "keySeparator", CalcKey::Separator},
         {"+", "keyAdd", CalcKey::Add},
         {"=", "keyEquals", CalcKey::Equals}},
    };
    for (int row = 0; row < 5; ++row) {
        for (int column = 0; column < 5; ++column) {
            const Key& k = keys[row][column];
            grid->addWidget(addKey(QString::fromUtf8(k.caption), k.name, k.key), row + 1, column);
        }
    }
    separatorKey_ = findChild<QPushButton*>(QStringLiteral("keySeparator"));

    grid->addWidget(addKey(QStringLiteral("C"), "keyClear", CalcKey::Clear), 6, 0);
    okButton_ = new QPushButton(QStringLiteral("OK"), this);
    okButton_->setObjectName(QStringLiteral("okButton"));
    okButton_->setFocusPolicy(Qt::NoFocus);
    connect(okButton_, &QPushButton::clicked, this, &CalcPopup::accept);
    grid->addWidget(okButton_, 6, 1, 1, 2);
    auto* cancel = new QPushButton(QStringLiteral("Mégse"), this);
    cancel->setObjectName(QStringLiteral("cancelButton"));
    cancel->setFocusPolicy(Qt::NoFocus);
    connect(cancel, &QPushButton::clicked, this, &QWidget::close);
    grid->addWidget(cancel, 6, 3, 1, 2);
}

QPushButton* CalcPopup::addKey(const QString& caption, const char* name, CalcKey key)
{
    auto* button = new QPushButton(caption, this);
    button->setObjectName(QString::fromLatin1(name));
    button->setFocusPolicy(Qt::NoFocus);
    button->setMinimumWidth(1);
    connect(button, &QPushButton::clicked, this, [this, key] { press(key); });
    return button;
}

void CalcPopup::popUp(double value, int precision, const QString& decimalSeparator)
{
    separator_ = decimalSeparator;
    separatorKey_->setText(separator_);
    engine_.open(value, precision);
    refresh();
    adjustSize();

    const QRect field(owner_->mapToGlobal(QPoint(0, 0)), owner_->size());
    QScreen* screen = owner_->screen();
    const QRect available = screen ? screen->availableGeometry() : QRect(field.topLeft(), size());
    move(placement(field, size(), available));
    show();
}

QPoint CalcPopup::placement(const QRect& field, const QSize& size, const QRect& screen)
{
    int y = field.bottom() + 1;
    if (y + size.height() > screen.bottom() + 1)
        y = field.top() - size.height();
    const int x =
        std::max(std::min(field.left(), screen.right() + 1 - size.width()), screen.left());
    return {x, y};
}

void CalcPopup::press(CalcKey key)
{
    engine_.press(key);
    refresh();
}

void CalcPopup::accept()
{
    const std::optional<double> result = engine_.accept();
    refresh();
    if (!result)
        return;
    close();
    emit accepted(*result);
}

void CalcPopup::refresh()
{
    display_->setText(QString::fromStdString(engine_.display(separator_.toStdString())));
    memoryMark_->setText(engine_.memoryMarked() ? QStringLiteral("M") : QString());
    okButton_->setEnabled(!engine_.hasError());
}

void CalcPopup::keyPressEvent(QKeyEvent* event)
{
    const int key = event->key();
    const QString text = event->text();
    const bool control = event->modifiers() & Qt::ControlModifier;
    if (key == Qt::Key_Escape) {
        close();
    } else if ((key == Qt::Key_Return || key == Qt::Key_Enter) && control) {
        accept();
    } else if (key == Qt::Key_Return || key == Qt::Key_Enter || text == QLatin1String("=")) {
        press(CalcKey::Equals);
    } else if (key == Qt::Key_Backspace) {
        press(CalcKey::Back);
    } else if (key == Qt::Key_Delete) {
        press(CalcKey::Clear);
    } else if (text.size() == 1 && text[0].isDigit() && text[0].unicode() < 128) {
        press(digitKey(text[0].unicode() - '0'));
    } else if (text == separator_ || text == QLatin1String(".") || text == QLatin1String(",")) {
        press(CalcKey::Separator);
    } else if (text == QLatin1String("+")) {
        press(CalcKey::Add);
    } else if (text == QLatin1String("-")) {
        press(CalcKey::Subtract);
    } else if (text == QLatin1String("*")) {
        press(CalcKey::Multiply);
    } else if (text == QLatin1String("/")) {
        press(CalcKey::Divide);
    } else if (text == QLatin1String("%")) {
        press(CalcKey::Percent);
    } else {
        QFrame::keyPressEvent(event);
        return;
    }
    event->accept();
}

void CalcPopup::mousePressEvent(QMouseEvent* event)
{
    if (!rect().contains(event->position().toPoint())) {
        // A click on the field's own button closes the popup; it must not
        // reach the button as well, which would open the popup again.
        const QPoint global = event->globalPosition().toPoint();
        if (toggleButton_ && toggleButton_->rect().contains(toggleButton_->mapFromGlobal(global)))
            setAttribute(Qt::WA_NoMouseReplay);
        close();
        return;
    }
    QFrame::mousePressEvent(event);
}

} // namespace kv
