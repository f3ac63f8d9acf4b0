#pragma once

#include <QLineEdit>
#include <QPointer>

class Keyboard;
class QAbstractButton;

// A box filled only by a picker (the category and unit boxes of the product and gift entry
// dialogs): read-only and cream-coloured. It asks for its picker (pickRequested) on a
// double-click, on its button, and on Enter while it is still empty; once filled, Enter moves on
// to the next box like in any other box.
//
//   auto* unit = new PickerBox(this);                  // objectName "Edit4"
//   unit->setButton(SpeedButton2);                      // the button beside it
//   connect(unit, &PickerBox::pickRequested, this, &TFtjsp1::pickUnit);
//   Keyboard::install(this, BitBtn1, BitBtn2);
//   unit->attach(Keyboard::of(this));                   // Enter while empty opens the picker
class PickerBox : public QLineEdit {
    Q_OBJECT
public:
    explicit PickerBox(QWidget* parent = nullptr);

    // The button beside the box that opens the picker too.
    void setButton(QAbstractButton* button);
    QAbstractButton* button() const { return m_button; }
    // Puts the box's Enter under the window's keyboard rules: while the box is empty, Enter
    // opens the picker; when it holds a value, Enter moves on.
    void attach(Keyboard* keyboard);

    static QColor cream();

Q_SIGNALS:
    void pickRequested();

protected:
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    void updateEnter();

    QPointer<QAbstractButton> m_button;
    QPointer<Keyboard> m_keyboard;
};
