// A frameless top-level window with the skin's own caption bar: the
// system-menu icon (move, minimise, roll-up, close), the title, and the
// minimise, roll-up and close buttons; no maximise. Dragging the bar moves
// the window. The window's size is fixed by its client area.
#pragma once

#include <QWidget>

class QLabel;
class QMenu;
class QToolButton;

namespace kv
{

class SkinForm;

class CaptionBar : public QWidget
{
    Q_OBJECT

public:
    static constexpr int Height = 24;

    explicit CaptionBar(SkinForm* form);

    void setTitle(const QString& title);
    QMenu* systemMenu() const { return menu_; }

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    QToolButton* addButton(const char* name, const QString& accessibleName, int glyph);
    void startKeyboardMove();

    SkinForm* form_;
    QToolButton* menuButton_;
    QLabel* title_;
    QMenu* menu_;
    QPoint dragOffset_;
    bool dragging_ = false;
    bool keyboardMove_ = false;
};

class SkinForm : public QWidget
{
    Q_OBJECT

public:
    explicit SkinForm(QWidget* parent = nullptr);

    // The area below the caption bar that holds the window's controls.
    QWidget* clientArea() const { return client_; }
    void setClientSize(const QSize& size);

    CaptionBar* captionBar() const { return caption_; }

    bool isRolledUp() const { return rolledUp_; }
    void setRolledUp(bool rolledUp);

protected:
    void changeEvent(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    CaptionBar* caption_;
    QWidget* client_;
    QSize clientSize_;
    bool rolledUp_ = false;
};

} // namespace kv
