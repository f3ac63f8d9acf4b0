#pragma once

#include "core/Money.h"

#include <QLineEdit>

#include <optional>

// The number box of entry dialogs: a line edit that takes only digits, one decimal point and
// (when negatives are allowed) one leading minus sign. Any other typed or pasted text is
// refused as a whole; Backspace, Delete and the cursor keys work as usual. Text set by the
// program is shown as it is.
//
// When the person empties the box it shows its empty text again ("0" unless changed; "1" for a
// discount; an empty empty-text leaves the box empty), selected so the next digit replaces it.
class NumberBox : public QLineEdit {
    Q_OBJECT
public:
    explicit NumberBox(QWidget* parent = nullptr);

    void setNegativeAllowed(bool allowed);
    bool negativeAllowed() const { return m_negativeAllowed; }

    void setEmptyText(const QString& text) { m_emptyText = text; }
    QString emptyText() const { return m_emptyText; }

    // The value of the text; 0 when the text is empty or not a number ("." or "-").
    Money value() const;
    // The value, or nullopt when the text is empty or not a number.
    std::optional<Money> parsedValue() const;
    // Shows the value in grid form: two decimals, more when it has them (3.50, 2.5563).
    void setValue(Money value);

    // Rounds the value to two decimals, half to even, and writes it back in the form "0.00"
    // (0.125 -> 0.12, 3 -> 3.00). A text that is not a number is left as it is. Returns the value
    // as it now stands (0 for a text that is not a number).
    Money roundToTwoDecimals();

    // True when `text` is something the person may have in the box while typing: empty, digits
    // with at most one point, and one leading minus when allowed ("", "-", ".", "-.5", "12.").
    static bool acceptable(const QString& text, bool negativeAllowed);

private:
    bool m_negativeAllowed = false;
    QString m_emptyText = QStringLiteral("0");
};
