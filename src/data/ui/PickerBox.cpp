#include "data/ui/PickerBox.h"

#include "data/ui/Keyboard.h"

#include <QAbstractButton>
#include <QMouseEvent>
#include <QPalette>

PickerBox::PickerBox(QWidget* parent) : QLineEdit(parent) {
    setReadOnly(true);
    QPalette p = palette();
    p.setColor(QPalette::Base, cream());
    setPalette(p);
    connect(this, &QLineEdit::textChanged, this, &PickerBox::updateEnter);
}

QColor PickerBox::cream() { return QColor(255, 251, 240); }

void PickerBox::setButton(QAbstractButton* button) {
    if (m_button)
        disconnect(m_button, nullptr, this, nullptr);
    m_button = button;
    if (button)
        connect(button, &QAbstractButton::clicked, this, &PickerBox::pickRequested);
    updateEnter();
}

void PickerBox::attach(Keyboard* keyboard) {
    m_keyboard = keyboard;
    updateEnter();
}

void PickerBox::updateEnter() {
    if (!m_keyboard)
        return;
    // A null button makes Enter move on even from the last box; the picker button opens it.
    m_keyboard->setEnterButton(this, text().isEmpty() ? m_button.data() : nullptr);
}

void PickerBox::mouseDoubleClickEvent(QMouseEvent* event) {
    QLineEdit::mouseDoubleClickEvent(event);
    Q_EMIT pickRequested();
}
