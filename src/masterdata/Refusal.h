#pragma once

#include <QString>

#include <optional>

namespace MasterData {

// Why a save of the supplier or employee entry dialog was refused: the message as the dialog
// shows it and the field whose box takes the focus. Information ("提示") for missing input,
// warning ("警告") for a duplicate.
struct Refusal {
    enum class Kind { Information, Warning };
    Kind kind = Kind::Information;
    QString text;
    QString field = {};

    static Refusal information(const QString& text, const QString& field) {
        return {Kind::Information, text, field};
    }
    static Refusal warning(const QString& text, const QString& field) {
        return {Kind::Warning, text, field};
    }
};

// Nothing when the save went through; otherwise why not.
using Outcome = std::optional<Refusal>;

} // namespace MasterData
