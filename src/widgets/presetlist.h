// A pick-only drop-down list (no free text) with a caption line on top of
// its drop-down part. It starts with no row chosen; `currentIndexChanged`
// reports every change of the shown row, by the user or by code, and none
// for picking the row already shown.
#pragma once

#include <QComboBox>

class QLabel;

namespace kv
{

class PresetList : public QComboBox
{
    Q_OBJECT

public:
    PresetList(const QString& dropDownCaption, const QStringList& rows, QWidget* parent = nullptr);

    QString dropDownCaption() const { return caption_; }

    void showPopup() override;

private:
    QString caption_;
    QLabel* captionLine_ = nullptr;
};

} // namespace kv
