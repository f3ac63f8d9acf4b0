#pragma once

#include "core/Money.h"
#include "data/Database.h"
#include "data/ui/Messages.h"

#include <QString>

#include <stdexcept>

// Runs one command of a window: an engine error (or a value out of range) stops it, shows the
// engine's message and leaves the window as it was; a Transaction inside has rolled back by then.
// Returns true when the command ran to its end.
template <typename F> bool runCommand(QWidget* parent, F&& command) {
    try {
        command();
        return true;
    } catch (const DbError& e) {
        Messages::error(parent, e.message());
    } catch (const MoneyOverflow&) {
        Messages::error(parent, QStringLiteral("数值超出范围"));
    } catch (const std::invalid_argument& e) {
        Messages::error(parent, QString::fromUtf8(e.what()));
    } catch (const std::domain_error& e) {
        Messages::error(parent, QString::fromUtf8(e.what()));
    }
    return false;
}
