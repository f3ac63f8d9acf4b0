#pragma once

#include <QString>

class QObject;

// The hidden switch of an entry dialog that looks a product or gift up while its code is typed:
// "sao" while typing should run the lookup, "xuan" while a picker or a program step fills the
// boxes. It is kept as a dynamic property of the dialog under the dialog's own name for it
// ("sao" in TFtjcg1 and TFxgkcfx2, "SAO" in TFtjdui1):
//
//   LookupSwitch::disarm(this);            // before opening the product picker
//   if (LookupSwitch::isArmed(this)) ...   // in the code box's textChanged
//
// A dialog that never set its switch counts as disarmed.
namespace LookupSwitch {

inline constexpr const char* Armed = "sao";
inline constexpr const char* Disarmed = "xuan";
inline constexpr const char* DefaultName = "sao";

void set(QObject* dialog, const QString& value, const char* name = DefaultName);
QString value(const QObject* dialog, const char* name = DefaultName);

inline void arm(QObject* dialog, const char* name = DefaultName) { set(dialog, QString::fromLatin1(Armed), name); }
inline void disarm(QObject* dialog, const char* name = DefaultName) {
    set(dialog, QString::fromLatin1(Disarmed), name);
}
inline bool isArmed(const QObject* dialog, const char* name = DefaultName) {
    return value(dialog, name) == QLatin1String(Armed);
}

} // namespace LookupSwitch
