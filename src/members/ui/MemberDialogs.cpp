#include "members/ui/MemberDialogs.h"

#include "data/ui/Messages.h"

#include <QPushButton>

namespace MemberDialogs {

QPushButton* button(const QString& text, const QString& objectName, QWidget* parent) {
    auto* b = new QPushButton(text, parent);
    b->setObjectName(objectName);
    b->setAutoDefault(false);
    b->setDefault(false);
    return b;
}

void show(QWidget* parent, const Members::Refusal& refusal) {
    if (refusal.kind == Members::Refusal::Kind::Warning)
        Messages::warning(parent, refusal.text);
    else
        Messages::information(parent, refusal.text);
}

} // namespace MemberDialogs
