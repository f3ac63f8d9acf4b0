#include "data/ui/PickerRoute.h"

#include "data/Dataset.h"

#include <QLineEdit>
#include <QWidget>

const PickerRoute* findRoute(const PickerRoutes& routes, const QString& code) {
    for (const PickerRoute& r : routes)
        if (r.code == code)
            return &r;
    return nullptr;
}

void fillBoxes(QWidget* caller, const PickerRoute& route, const Dataset& dataset) {
    if (!caller)
        return;
    for (const BoxCopy& c : route.copies)
        if (auto* box = caller->findChild<QLineEdit*>(c.box))
            box->setText(dataset.text(c.field));
}
