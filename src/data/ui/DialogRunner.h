#pragma once

#include <functional>

class QDialog;

// Runs a window's modal dialogs. Tests replace the runner so they can drive a dialog (fill its
// boxes, press its buttons) without a nested event loop:
//
//   DialogRunner::Scope s([&](QDialog& d) { ...; return int(QDialog::Accepted); });
namespace DialogRunner {

using Runner = std::function<int(QDialog&)>;

// dialog.exec(), or the installed runner.
int exec(QDialog& dialog);

// Installs a runner for its lifetime and restores the previous one afterwards.
class Scope {
public:
    explicit Scope(Runner runner);
    ~Scope();
    Scope(const Scope&) = delete;
    Scope& operator=(const Scope&) = delete;

private:
    Runner m_previous;
};

} // namespace DialogRunner
