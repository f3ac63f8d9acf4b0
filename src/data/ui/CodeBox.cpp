#include "data/ui/CodeBox.h"

CodeBox::CodeBox(QWidget* parent) : QLineEdit(QString::fromUtf16(NoCode), parent) {
    // Emptied by the person or by the program (after a save), the box shows "无" again.
    connect(this, &QLineEdit::textChanged, this, [this](const QString& text) {
        if (text.isEmpty()) {
            setText(QString::fromUtf16(NoCode));
            selectAll(); // the next key replaces it
        }
    });
}

QString CodeBox::code() const {
    const QString t = text().trimmed();
    return t.isEmpty() ? QString::fromUtf16(NoCode) : t;
}
