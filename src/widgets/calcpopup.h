// The drop-down calculator of a numeric entry field: a borderless popup
// window 220 pixels wide shown under (or above) its field.
#pragma once

#include "calcengine.h"

#include <QFrame>

class QLabel;
class QPushButton;

namespace kv
{

class CalcPopup : public QFrame
{
    Q_OBJECT

public:
    static constexpr int Width = 220;

    // `toggleButton` is the owner's button that opens and closes the popup.
    CalcPopup(QWidget* owner, QWidget* toggleButton);

    // Starts a session for `value` and shows the popup next to the owner.
    void popUp(double value, int precision, const QString& decimalSeparator);

    // Where a popup of `size` goes for a field at `field` (global
    // coordinates) on a screen whose available area is `screen`.
    static QPoint placement(const QRect& field, const QSize& size, const QRect& screen);

    const CalcEngine& engine() const { return engine_; }

signals:
    void accepted(double result);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    QPushButton* addKey(const QString& caption, const char* name, CalcKey key);
    void press(CalcKey key);
    void accept();
    void refresh();

    QWidget* owner_;
    QWidget* toggleButton_;
    CalcEngine engine_;
    QString separator_ = QStringLiteral(".");
    QLabel* display_ = nullptr;
    QLabel* memoryMark_ = nullptr;
    QPushButton* separatorKey_ = nullptr;
    QPushButton* okButton_ = nullptr;
};

} // namespace kv
