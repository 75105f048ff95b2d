// The calculator's look: one theme for every window, and the images of the
// speed buttons and status panels, drawn as vector art so they stay sharp at
// any scaling.
#pragma once

#include <QIcon>

class QApplication;
class QPainter;

namespace kv
{

// Images of the 32 x 32 button image list, by index.
enum ButtonImage { TrashEmpty = 0, TrashFull = 1, Calculate = 2, Delete = 3, Info = 4 };
constexpr int ButtonImageCount = 5;

// Images of the 16 x 16 status image list, by index.
enum StatusImage { StatusInfo = 0, StatusClock = 1 };
constexpr int StatusImageCount = 2;

QIcon buttonImage(int index); // a null icon for an index outside the list
QIcon statusImage(int index);

// Glyphs of the caption bar's buttons, white on the bar.
enum CaptionGlyph { GlyphMinimise, GlyphRollUp, GlyphRollDown, GlyphClose };
QIcon captionGlyph(int glyph);

// Style, palette and font of the whole application.
void applySkin(QApplication& app);

// The rounded, lightly filled frame of a framed label.
void paintFramedBackground(QPainter& painter, const QRect& rect, bool enabled);

namespace skin
{
// Colours shared by the skinned controls that paint themselves.
inline constexpr unsigned CaptionTop = 0x3b5f94;
inline constexpr unsigned CaptionBottom = 0x274777;
inline constexpr unsigned PanelCaptionTop = 0x6d8fbf;
inline constexpr unsigned PanelCaptionBottom = 0x4a6c9d;
inline constexpr unsigned Face = 0xdfe5ee;
inline constexpr unsigned Border = 0x274777;
} // namespace skin

} // namespace kv
