#include "data/ui/DialogRunner.h"

#include <QDialog>

namespace DialogRunner {

namespace {
Runner& current() {
    static Runner runner;
    return runner;
}
} // namespace

int exec(QDialog& dialog) {
    if (current())
        return current()(dialog);
    return dialog.exec();
}

Scope::Scope(Runner runner) : m_previous(std::move(current())) { current() = std::move(runner); }

Scope::~Scope() { current() = std::move(m_previous); }

} // namespace DialogRunner
