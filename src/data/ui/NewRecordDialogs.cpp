#include "data/ui/NewRecordDialogs.h"

#include <QHash>

namespace NewRecordDialogs {

namespace {
QHash<QString, Opener>& openers() {
    static QHash<QString, Opener> table;
    return table;
}
} // namespace

void set(const QString& table, Opener opener) {
    if (opener)
        openers().insert(table, std::move(opener));
    else
        openers().remove(table);
}

Opener find(const QString& table) { return openers().value(table); }

Scope::Scope(const QString& table, Opener opener) : m_table(table), m_previous(find(table)) {
    set(table, std::move(opener));
}

Scope::~Scope() { set(m_table, std::move(m_previous)); }

} // namespace NewRecordDialogs
