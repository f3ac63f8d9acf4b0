#include "data/ui/NumberBox.h"

#include <QValidator>

namespace {

// Refuses a typed or pasted change that would leave anything but a number being typed; the line
// edit then undoes that change. Text set by the program is kept as it is.
class NumberValidator : public QValidator {
public:
    NumberValidator(NumberBox* box) : QValidator(box), m_box(box) {}
    State validate(QString& input, int&) const override {
        return NumberBox::acceptable(input, m_box->negativeAllowed()) ? Acceptable : Invalid;
    }

private:
    NumberBox* m_box;
};

} // namespace

NumberBox::NumberBox(QWidget* parent) : QLineEdit(parent) {
    setValidator(new NumberValidator(this));
    connect(this, &QLineEdit::textEdited, this, [this](const QString& text) {
        if (text.isEmpty() && !m_emptyText.isEmpty()) {
            setText(m_emptyText);
            selectAll();
        }
    });
}

void NumberBox::setNegativeAllowed(bool allowed) { m_negativeAllowed = allowed; }

bool NumberBox::acceptable(const QString& text, bool negativeAllowed) {
    bool point = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c >= u'0' && c <= u'9')
            continue;
        if (c == u'.' && !point) {
            point = true;
            continue;
        }
        if (c == u'-' && i == 0 && negativeAllowed)
            continue;
        return false;
    }
    return true;
}

std::optional<Money> NumberBox::parsedValue() const { return Money::parse(text()); }

Money NumberBox::value() const { return parsedValue().value_or(Money()); }

void NumberBox::setValue(Money value) { setText(value.toDisplayString()); }

Money NumberBox::roundToTwoDecimals() {
    const auto v = Money::parse(text(), 2, Rounding::HalfEven);
    if (!v)
        return Money();
    const Money r = *v;
    const QString t = r.toFixed2();
    if (t != text())
        setText(t);
    return r;
}
