// The six circuit pictures of the resistor networks (220 x 111 each), drawn
// as vector art, and the picture box that shows one of them from its
// top-left corner without scaling.
#pragma once

#include <QWidget>

class QPainter;

namespace kv
{

constexpr int CircuitPictureCount = 6;
constexpr QSize CircuitPictureSize(220, 111);

// Draws picture `index` (0 to 5) into the box (0, 0, 220, 111).
void drawCircuitPicture(QPainter& painter, int index);

class PictureBox : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(int PictureIndex READ pictureIndex)

public:
    explicit PictureBox(QWidget* parent = nullptr);

    int pictureIndex() const { return index_; }
    // Puts picture `index` into the box and redraws it.
    void setPicture(int index);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int index_ = -1;
};

} // namespace kv
