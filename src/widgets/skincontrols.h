// Small skinned controls of the calculator's windows: the image speed
// button, the panel with a caption bar, the framed label and the clickable
// status panel.
#pragma once

#include <QFrame>
#include <QLabel>
#include <QToolButton>

namespace kv
{

// A flat button showing one image of the 32 x 32 button image list; it never
// takes the keyboard focus.
class SpeedButton : public QToolButton
{
    Q_OBJECT
    Q_PROPERTY(int ImageIndex READ imageIndex WRITE setImageIndex)

public:
    explicit SpeedButton(int imageIndex = -1, QWidget* parent = nullptr);

    int imageIndex() const { return imageIndex_; }
    void setImageIndex(int index);

private:
    int imageIndex_ = -1;
};

// A group panel with a caption bar along its top edge. Children are placed in
// the panel's own coordinates; the caption bar takes the top CaptionHeight
// pixels.
class SkinPanel : public QFrame
{
    Q_OBJECT
    Q_PROPERTY(QString caption READ caption WRITE setCaption)

public:
    static constexpr int CaptionHeight = 19;

    explicit SkinPanel(const QString& caption, QWidget* parent = nullptr);

    QString caption() const { return caption_; }
    void setCaption(const QString& caption);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString caption_;
};

// A caption label drawn in a frame.
class FramedLabel : public QLabel
{
    Q_OBJECT

public:
    explicit FramedLabel(const QString& text, QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
};

// A status bar panel with an image and a text; it reports clicks.
class StatusPanel : public QWidget
{
    Q_OBJECT

public:
    explicit StatusPanel(const QIcon& image, const QString& text = {}, QWidget* parent = nullptr);

    QString text() const { return text_; }
    void setText(const QString& text);

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QIcon image_;
    QString text_;
};

} // namespace kv
