#include "presetlist.h"

#include <QAbstractItemView>
#include <QBoxLayout>
#include <QLabel>

namespace kv
{

PresetList::PresetList(const QString& dropDownCaption, const QStringList& rows, QWidget* parent)
    : QComboBox(parent), caption_(dropDownCaption)
{
    setEditable(false);
    setMaxVisibleItems(8);
    addItems(rows);
    setCurrentIndex(-1); // as a form gives it: no row, empty text
    setAccessibleName(dropDownCaption);
}

void PresetList::showPopup()
{
    QComboBox::showPopup();
    QWidget* container = view()->parentWidget();
    auto* layout = container ? qobject_cast<QBoxLayout*>(container->layout()) : nullptr;
    if (!layout)
        return;
    if (!captionLine_) {
        captionLine_ = new QLabel(caption_, container);
        captionLine_->setObjectName(QStringLiteral("dropDownCaption"));
        captionLine_->setStyleSheet(QStringLiteral(
            "background: #4a6c9d; color: white; font-weight: bold; padding: 2px 4px;"));
        layout->insertWidget(0, captionLine_);
    }
    // The drop-down part grows by the caption line, so the rows keep their room.
    container->resize(container->width(), container->height() + captionLine_->sizeHint().height());
}

} // namespace kv
