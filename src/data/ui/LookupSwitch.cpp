#include "data/ui/LookupSwitch.h"

#include <QObject>
#include <QVariant>

namespace LookupSwitch {

void set(QObject* dialog, const QString& value, const char* name) {
    if (dialog)
        dialog->setProperty(name, value);
}

QString value(const QObject* dialog, const char* name) {
    return dialog ? dialog->property(name).toString() : QString();
}

} // namespace LookupSwitch
