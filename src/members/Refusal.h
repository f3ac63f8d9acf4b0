#pragma once

#include <QString>

#include <optional>

namespace Members {

// Why a service refused a save or a command: the message as the window shows it and the field
// whose box gets the focus. Information boxes ("提示") are for missing or invalid input,
// warnings ("警告") for refusals of state such as a duplicate key.
struct Refusal {
    enum class Kind { Information, Warning };
    Kind kind = Kind::Information;
    QString text;
    QString field = {}; // empty: no box takes the focus

    static Refusal information(const QString& text, const QString& field = {}) {
        return {Kind::Information, text, field};
    }
    static Refusal warning(const QString& text, const QString& field = {}) {
        return {Kind::Warning, text, field};
    }
};

// Nothing when the command ran; otherwise why it did not.
using Outcome = std::optional<Refusal>;

} // namespace Members
