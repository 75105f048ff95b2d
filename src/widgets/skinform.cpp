#include "skinform.h"

#include "skin.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLinearGradient>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QToolButton>
#include <QVBoxLayout>
#include <QWindow>

namespace kv
{

CaptionBar::CaptionBar(SkinForm* form) : QWidget(form), form_(form)
{
    setObjectName(QStringLiteral("captionBar"));
    setFixedHeight(Height);
    setFocusPolicy(Qt::NoFocus);

    menu_ = new QMenu(this);
    menu_->setObjectName(QStringLiteral("systemMenu"));
    QAction* move =
        menu_->addAction(QStringLiteral("Mozgatás"), this, &CaptionBar::startKeyboardMove);
    move->setObjectName(QStringLiteral("moveAction"));
    QAction* minimise =
        menu_->addAction(QStringLiteral("Kis méret"), form_, &QWidget::showMinimized);
    minimise->setObjectName(QStringLiteral("minimiseAction"));
    QAction* rollUp = menu_->addAction(QStringLiteral("Felgördítés"), form_,
                                       [this] { form_->setRolledUp(!form_->isRolledUp()); });
    rollUp->setObjectName(QStringLiteral("rollUpAction"));
    menu_->addSeparator();
    QAction* close = menu_->addAction(QStringLiteral("Bezárás"), form_, &QWidget::close);
    close->setObjectName(QStringLiteral("closeAction"));
    close->setShortcut(QKeySequence(Qt::ALT | Qt::Key_F4));
    addAction(close); // so that Alt+F4 works while the menu is closed
    connect(menu_, &QMenu::aboutToShow, this, [this, rollUp] {
        rollUp->setText(form_->isRolledUp() ? QStringLiteral("Legördítés")
                                            : QStringLiteral("Felgördítés"));
    });

    menuButton_ = new QToolButton(this);
    menuButton_->setObjectName(QStringLiteral("systemMenuButton"));
    menuButton_->setAccessibleName(QStringLiteral("Rendszermenü"));
    menuButton_->setFocusPolicy(Qt::NoFocus);
    menuButton_->setAutoRaise(true);
    menuButton_->setIcon(buttonImage(Calculate));
    menuButton_->setIconSize(QSize(18, 18));
    menuButton_->setFixedSize(Height - 2, Height - 2);
    connect(menuButton_, &QToolButton::clicked, this,
            [this] { menu_->popup(mapToGlobal(QPoint(0, height()))); });

    title_ = new QLabel(this);
    title_->setObjectName(QStringLiteral("captionTitle"));
    QPalette titlePalette = title_->palette();
    titlePalette.setColor(QPalette::WindowText, Qt::white);
    title_->setPalette(titlePalette);
    QFont bold = title_->font();
    bold.setBold(true);
    title_->setFont(bold);

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(3, 1, 3, 1);
    layout->setSpacing(2);
    layout->addWidget(menuButton_);
    layout->addWidget(title_, 1);
    QToolButton* min = addButton("minimiseButton", QStringLiteral("Kis méret"), GlyphMinimise);
    connect(min, &QToolButton::clicked, form_, &QWidget::showMinimized);
    layout->addWidget(min);
    QToolButton* roll = addButton("rollUpButton", QStringLiteral("Felgördítés"), GlyphRollUp);
    connect(roll, &QToolButton::clicked, this, [this, roll] {
        form_->setRolledUp(!form_->isRolledUp());
        roll->setIcon(captionGlyph(form_->isRolledUp() ? GlyphRollDown : GlyphRollUp));
    });
    layout->addWidget(roll);
    QToolButton* closeButton = addButton("closeButton", QStringLiteral("Bezárás"), GlyphClose);
    connect(closeButton, &QToolButton::clicked, form_, &QWidget::close);
    layout->addWidget(closeButton);
}

QToolButton* CaptionBar::addButton(const char* name, const QString& accessibleName, int glyph)
{
    auto* button = new QToolButton(this);
    button->setObjectName(QString::fromLatin1(name));
    button->setAccessibleName(accessibleName);
    button->setFocusPolicy(Qt::NoFocus);
    button->setAutoRaise(true);
    button->setIcon(captionGlyph(glyph));
    button->setIconSize(QSize(14, 14));
    button->setFixedSize(Height - 4, Height - 4);
    return button;
}

void CaptionBar::setTitle(const QString& title)
{
    title_->setText(title);
}

void CaptionBar::mousePressEvent(QMouseEvent* event)
{
    if (keyboardMove_) {
        keyboardMove_ = false;
        releaseKeyboard();
    }
    if (event->button() == Qt::RightButton) {
        menu_->popup(event->globalPosition().toPoint());
        return;
    }
    if (event->button() != Qt::LeftButton)
        return;
    // The platform moves the window where it can; otherwise follow the mouse.
    QWindow* handle = window()->windowHandle();
    if (handle && handle->startSystemMove())
        return;
    dragging_ = true;
    dragOffset_ = event->globalPosition().toPoint() - window()->frameGeometry().topLeft();
}

void CaptionBar::mouseMoveEvent(QMouseEvent* event)
{
    if (dragging_ && (event->buttons() & Qt::LeftButton))
        window()->move(event->globalPosition().toPoint() - dragOffset_);
}

void CaptionBar::mouseReleaseEvent(QMouseEvent*)
{
    dragging_ = false;
}

void CaptionBar::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        form_->setRolledUp(!form_->isRolledUp());
}

void CaptionBar::startKeyboardMove()
{
    keyboardMove_ = true;
    grabKeyboard();
}

void CaptionBar::keyPressEvent(QKeyEvent* event)
{
    if (!keyboardMove_) {
        QWidget::keyPressEvent(event);
        return;
    }
    const int step = (event->modifiers() & Qt::ControlModifier) ? 1 : 10;
    QPoint delta;
    switch (event->key()) {
    case Qt::Key_Left:
        delta = {-step, 0};
        break;
    case Qt::Key_Right:
        delta = {step, 0};
        break;
    case Qt::Key_Up:
        delta = {0, -step};
        break;
    case Qt::Key_Down:
        delta = {0, step};
        break;
    default:
        keyboardMove_ = false;
        releaseKeyboard();
        return;
    }
    window()->move(window()->pos() + delta);
}

void CaptionBar::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    QLinearGradient gradient(0, 0, 0, height());
    const bool active = window()->isActiveWindow();
    gradient.setColorAt(0, QColor(skin::CaptionTop).lighter(active ? 100 : 130));
    gradient.setColorAt(1, QColor(skin::CaptionBottom).lighter(active ? 100 : 130));
    p.fillRect(rect(), gradient);
}

SkinForm::SkinForm(QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint | Qt::WindowMinimizeButtonHint |
                          Qt::WindowSystemMenuHint)
{
    caption_ = new CaptionBar(this);
    client_ = new QWidget(this);
    client_->setObjectName(QStringLiteral("clientArea"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(1, 1, 1, 1);
    layout->setSpacing(0);
    layout->addWidget(caption_);
    layout->addWidget(client_);
}

void SkinForm::setClientSize(const QSize& size)
{
    clientSize_ = size;
    client_->setFixedSize(size);
    setFixedSize(size.width() + 2, size.height() + CaptionBar::Height + 2);
}

void SkinForm::setRolledUp(bool rolledUp)
{
    if (rolledUp == rolledUp_)
        return;
    rolledUp_ = rolledUp;
    client_->setVisible(!rolledUp);
    if (rolledUp)
        setFixedSize(width(), CaptionBar::Height + 2);
    else
        setClientSize(clientSize_);
}

void SkinForm::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::WindowTitleChange)
        caption_->setTitle(windowTitle());
    if (event->type() == QEvent::ActivationChange)
        caption_->update();
    QWidget::changeEvent(event);
}

void SkinForm::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(rect(), palette().color(QPalette::Window));
    p.setPen(QColor(skin::Border));
    p.drawRect(rect().adjusted(0, 0, -1, -1));
}

} // namespace kv
