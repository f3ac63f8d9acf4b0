#pragma once

#include <QString>

#include <functional>

class QWidget;
class TDM1;

// The entry dialogs that the pickers' 新增 opens for a table ("sp" -> TFtjsp1, "kh" -> TFtjkh1
// ...), in mode "新增" with their defaults. The entry dialog appends to the table's shared
// dataset, so the new row shows in the picker's grid and can be chosen at once.
//
// The program registers the dialogs once at start-up (next to the window table), not from static
// initialisers: the windows live in a static library whose unreferenced objects the linker drops.
// A table without a registered dialog leaves the pickers' 新增 disabled.
namespace NewRecordDialogs {

// Opens the entry dialog modally over `parent` and returns when it is closed.
using Opener = std::function<void(TDM1& dm, QWidget* parent)>;

// Registers the dialog of a table; an empty opener removes it.
void set(const QString& table, Opener opener);
// The registered opener, or an empty function.
Opener find(const QString& table);

// Registers an opener for its lifetime and restores the previous one afterwards (tests).
class Scope {
public:
    Scope(const QString& table, Opener opener);
    ~Scope();
    Scope(const Scope&) = delete;
    Scope& operator=(const Scope&) = delete;

private:
    QString m_table;
    Opener m_previous;
};

} // namespace NewRecordDialogs
