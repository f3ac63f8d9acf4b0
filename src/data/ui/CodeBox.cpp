#include "data/ui/CodeBox.h"

CodeBox::CodeBox(QWidget* parent) : QLineEdit(QString::fromUtf16(NoCode), parent) {
    // Emptied by the person or by the program (after a save), the box shows "无" again. The line
    // edit is still inside its own change when it reports it, so the text is put back after.
    connect(this, &QLineEdit::textChanged, this, [this](const QString& text) {
        if (!text.isEmpty())
            return;
        QMetaObject::invokeMethod(
            this,
            [this] {
                if (!this->text().isEmpty())
                    return;
                setText(QString::fromUtf16(NoCode));
                selectAll(); // the next key replaces it
            },
            Qt::QueuedConnection);
    });
}

QString CodeBox::code() const {
    const QString t = text().trimmed();
    return t.isEmpty() ? QString::fromUtf16(NoCode) : t;
}
