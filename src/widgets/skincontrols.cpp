#include "skincontrols.h"

#include "skin.h"

#include <QLinearGradient>
#include <QMouseEvent>
#include <QPainter>

namespace kv
{

SpeedButton::SpeedButton(int imageIndex, QWidget* parent) : QToolButton(parent)
{
    setFocusPolicy(Qt::NoFocus);
    setIconSize(QSize(32, 32));
    setToolButtonStyle(Qt::ToolButtonIconOnly);
    setImageIndex(imageIndex);
}

void SpeedButton::setImageIndex(int index)
{
    imageIndex_ = index;
    setIcon(buttonImage(index));
}

SkinPanel::SkinPanel(const QString& caption, QWidget* parent) : QFrame(parent), caption_(caption)
{
    setAccessibleName(caption);
}

void SkinPanel::setCaption(const QString& caption)
{
    caption_ = caption;
    setAccessibleName(caption);
    update();
}

void SkinPanel::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    const QRectF frame = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    p.setPen(QColor(0x7f, 0x93, 0xb2));
    p.setBrush(QColor(0xe8, 0xed, 0xf4));
    p.drawRect(frame);

    const QRect bar(1, 1, width() - 2, CaptionHeight - 1);
    QLinearGradient gradient(bar.topLeft(), bar.bottomLeft());
    gradient.setColorAt(0, QColor(skin::PanelCaptionTop));
    gradient.setColorAt(1, QColor(skin::PanelCaptionBottom));
    p.fillRect(bar, gradient);
    QFont bold = font();
    bold.setBold(true);
    p.setFont(bold);
    p.setPen(isEnabled() ? Qt::white : QColor(0xc8, 0xd2, 0xe0));
    p.drawText(bar.adjusted(6, 0, -6, 0), Qt::AlignVCenter | Qt::AlignLeft, caption_);
}

FramedLabel::FramedLabel(const QString& text, QWidget* parent) : QLabel(text, parent)
{
    setAlignment(Qt::AlignVCenter | Qt::AlignLeft);
    setIndent(4);
}

void FramedLabel::paintEvent(QPaintEvent* event)
{
    {
        QPainter p(this);
        paintFramedBackground(p, rect(), isEnabled());
    }
    QLabel::paintEvent(event);
}

StatusPanel::StatusPanel(const QIcon& image, const QString& text, QWidget* parent)
    : QWidget(parent), image_(image), text_(text)
{
    setAccessibleName(text);
}

void StatusPanel::setText(const QString& text)
{
    if (text == text_)
        return;
    text_ = text;
    setAccessibleName(text);
    update();
}

void StatusPanel::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    const QRectF frame = QRectF(rect()).adjusted(0.5, 1.5, -0.5, -1.5);
    p.setPen(QColor(0x9a, 0xa9, 0xbf));
    p.setBrush(QColor(0xee, 0xf2, 0xf8));
    p.drawRoundedRect(frame, 2, 2);

    // Image and text centred together.
    const QFontMetrics metrics(font());
    const int imageSide = 16;
    const int gap = text_.isEmpty() ? 0 : 5;
    const int contentWidth = imageSide + gap + metrics.horizontalAdvance(text_);
    const int left = (width() - contentWidth) / 2;
    image_.paint(&p, QRect(left, (height() - imageSide) / 2, imageSide, imageSide));
    p.setPen(palette().color(QPalette::WindowText));
    p.drawText(QRect(left + imageSide + gap, 0, width(), height()),
               Qt::AlignVCenter | Qt::AlignLeft, text_);
}

void StatusPanel::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
    QWidget::mouseReleaseEvent(event);
}

} // namespace kv
