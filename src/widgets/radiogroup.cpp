#include "radiogroup.h"

#include <QButtonGroup>
#include <QRadioButton>

namespace kv
{

RadioGroup::RadioGroup(const QStringList& items, QWidget* parent) : QWidget(parent)
{
    group_ = new QButtonGroup(this);
    group_->setExclusive(false); // so that no item can be selected
    for (int i = 0; i < items.size(); ++i) {
        auto* button = new QRadioButton(items[i], this);
        button->setObjectName(QStringLiteral("item%1").arg(i));
        button->setAutoExclusive(false);
        group_->addButton(button, i);
    }
    connect(group_, &QButtonGroup::idClicked, this, [this](int id) {
        // A click on the selected item keeps it selected.
        if (id == index_)
            item(id)->setChecked(true);
        else
            select(id);
    });
}

QRadioButton* RadioGroup::item(int index) const
{
    return qobject_cast<QRadioButton*>(group_->button(index));
}

int RadioGroup::count() const
{
    return static_cast<int>(group_->buttons().size());
}

void RadioGroup::setItemIndex(int index)
{
    if (index < 0 || index >= count()) {
        index_ = -1;
        for (QAbstractButton* button : group_->buttons())
            button->setChecked(false);
        return;
    }
    if (index != index_)
        select(index);
}

void RadioGroup::select(int index)
{
    index_ = index;
    for (QAbstractButton* button : group_->buttons())
        button->setChecked(group_->id(button) == index);
    emit clicked();
}

} // namespace kv
