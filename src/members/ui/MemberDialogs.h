#pragma once

#include "members/Refusal.h"

class QPushButton;
class QString;
class QWidget;

// Small pieces the member, level and gift dialogs share.
namespace MemberDialogs {

// A dialog button that never takes Enter as a default button: Enter belongs to the boxes.
QPushButton* button(const QString& text, const QString& objectName, QWidget* parent);

// Shows a service's refusal: "提示" with the information icon or "警告" with the warning icon.
void show(QWidget* parent, const Members::Refusal& refusal);

} // namespace MemberDialogs
