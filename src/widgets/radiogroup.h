// A radio group without caption bar: one column of items, at most one
// selected. `clicked` is raised whenever the selected item changes to
// another item, by the user or by code; selecting no item (-1) in code
// raises nothing.
#pragma once

#include <QWidget>

class QButtonGroup;
class QRadioButton;

namespace kv
{

class RadioGroup : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(int ItemIndex READ itemIndex WRITE setItemIndex)

public:
    RadioGroup(const QStringList& items, QWidget* parent = nullptr);

    int itemIndex() const { return index_; }
    void setItemIndex(int index);
    QRadioButton* item(int index) const;
    int count() const;

signals:
    void clicked();

private:
    void select(int index);

    QButtonGroup* group_;
    int index_ = -1;
};

} // namespace kv
