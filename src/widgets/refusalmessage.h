// The one message by which a page refuses a zero or negative input.
#pragma once

#include <QString>

class QWidget;

namespace kv
{

QString refusalCaption();
QString refusalText();

// Shows the modal message over `parent` and returns when the user closes it,
// with QDialog::Accepted whether OK, Enter or Esc closed it. The dialog is
// created for this showing and destroyed before the call returns.
int showRefusalMessage(QWidget* parent);

} // namespace kv
