#pragma once

#include <QAbstractButton>
#include <QHash>
#include <QObject>
#include <QPointer>

class QWidget;

// The keyboard rules every window shares:
// - Enter in a box moves the focus to the next box in the tab order;
// - Enter in the last box clicks the window's Enter button (when it has one), and Enter in a box
//   given to setEnterButton() clicks that box's button wherever it stands;
// - Esc anywhere in the window clicks its Esc button (close or cancel).
// Boxes are the focusable controls other than push and tool buttons. Multi-line text boxes keep
// their Enter, and grids handle their own Enter (DatasetView::EnterKey); Esc works in both. Enter
// on a focused push button clicks it. Keys with Ctrl, Alt or Meta held are left alone.
//
//   Keyboard::install(this, BitBtn1, BitBtn2); // after the controls are built
class Keyboard : public QObject {
    Q_OBJECT
public:
    // Installs the rules on the window and on every control it holds now; the helper lives as
    // long as the window. Either button may be null: without an Enter button Enter in the last box
    // moves on as Tab does, without an Esc button Esc keeps the window's own behaviour.
    static Keyboard* install(QWidget* window, QAbstractButton* enterButton,
                             QAbstractButton* escButton);
    // The helper installed on a window, or null.
    static Keyboard* of(QWidget* window);

    // Enter in `box` clicks `button` (null: Enter in the box moves on even when it is last).
    void setEnterButton(QWidget* box, QAbstractButton* button);
    // Puts a control added after install() under the rules.
    void watch(QWidget* control);

    // Moves the focus from `from` to the next box in the window's tab order; false when there is
    // no box after it.
    static bool focusNextBox(QWidget* window, QWidget* from);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    Keyboard(QWidget* window, QAbstractButton* enterButton, QAbstractButton* escButton);
    bool handleEnter(QWidget* focus);

    QWidget* m_window;
    QPointer<QAbstractButton> m_enterButton;
    QPointer<QAbstractButton> m_escButton;
    QHash<QWidget*, QPointer<QAbstractButton>> m_boxButtons;
};
