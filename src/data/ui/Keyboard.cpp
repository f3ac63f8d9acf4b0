#include "data/ui/Keyboard.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTextEdit>
#include <QToolButton>

namespace {

// Push and tool buttons are commands, not boxes; check and radio boxes are boxes.
bool isCommandButton(const QWidget* w) {
    return qobject_cast<const QPushButton*>(w) || qobject_cast<const QToolButton*>(w);
}

bool canTakeFocus(const QWidget* window, const QWidget* w) {
    return w != window && window->isAncestorOf(w) && !w->isWindow() && w->isEnabled() &&
           w->isVisibleTo(window) && (w->focusPolicy() & Qt::TabFocus) && !w->focusProxy();
}

// The control that owns `w` for the keyboard rules: a multi-line text box's viewport belongs
// to the text box.
template <typename T> T* enclosing(QWidget* w, const QWidget* window) {
    for (QWidget* p = w; p && p != window; p = p->parentWidget())
        if (auto* t = qobject_cast<T*>(p))
            return t;
    return nullptr;
}

void focusNextAny(QWidget* window, QWidget* from) {
    QWidget* w = from;
    for (int guard = 0; guard < 10000; ++guard) {
        w = w->nextInFocusChain();
        if (!w || w == from)
            return;
        if (canTakeFocus(window, w)) {
            w->setFocus(Qt::TabFocusReason);
            return;
        }
    }
}

} // namespace

Keyboard::Keyboard(QWidget* window, QAbstractButton* enterButton, QAbstractButton* escButton)
    : QObject(window), m_window(window), m_enterButton(enterButton), m_escButton(escButton) {
    setObjectName(QStringLiteral("Keyboard"));
}

Keyboard* Keyboard::install(QWidget* window, QAbstractButton* enterButton,
                            QAbstractButton* escButton) {
    if (Keyboard* existing = of(window)) {
        existing->m_enterButton = enterButton;
        existing->m_escButton = escButton;
        return existing;
    }
    auto* k = new Keyboard(window, enterButton, escButton);
    // On the window for keys the focused control passes on, and on each control so that the
    // rules come before the control's own use of Enter and Esc.
    window->installEventFilter(k);
    const auto children = window->findChildren<QWidget*>();
    for (QWidget* w : children)
        if (!w->isWindow() && w->window() == window->window())
            w->installEventFilter(k);
    return k;
}

Keyboard* Keyboard::of(QWidget* window) {
    return window ? window->findChild<Keyboard*>(QStringLiteral("Keyboard"),
                                                 Qt::FindDirectChildrenOnly)
                  : nullptr;
}

void Keyboard::setEnterButton(QWidget* box, QAbstractButton* button) {
    m_boxButtons.insert(box, button);
}

void Keyboard::watch(QWidget* control) { control->installEventFilter(this); }

bool Keyboard::focusNextBox(QWidget* window, QWidget* from) {
    QWidget* w = from;
    for (int guard = 0; guard < 10000; ++guard) {
        w = w->nextInFocusChain();
        // The chain runs through the window's controls and back to the window (or, for a child
        // window inside another, on to the controls around it): either ends the search.
        if (!w || w == from || w == window || !window->isAncestorOf(w))
            return false;
        if (canTakeFocus(window, w) && !isCommandButton(w)) {
            w->setFocus(Qt::TabFocusReason);
            return true;
        }
    }
    return false;
}

bool Keyboard::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress)
        return false;
    auto* ke = static_cast<QKeyEvent*>(event);
    if (ke->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
        return false;
    const int key = ke->key();
    if (key == Qt::Key_Escape) {
        if (!m_escButton)
            return false;
        m_escButton->click();
        return true;
    }
    if (key != Qt::Key_Return && key != Qt::Key_Enter)
        return false;
    auto* target = qobject_cast<QWidget*>(watched);
    if (target == m_window) {
        // A key the focused control passed on to the window.
        QWidget* focus = QApplication::focusWidget();
        target = focus && (focus == m_window || m_window->isAncestorOf(focus)) ? focus : m_window;
    }
    return target ? handleEnter(target) : false;
}

bool Keyboard::handleEnter(QWidget* focus) {
    if (enclosing<QTextEdit>(focus, m_window) || enclosing<QPlainTextEdit>(focus, m_window) ||
        enclosing<QAbstractItemView>(focus, m_window))
        return false;
    if (isCommandButton(focus)) {
        static_cast<QAbstractButton*>(focus)->click();
        return true;
    }
    for (QWidget* p = focus; p && p != m_window; p = p->parentWidget()) {
        auto it = m_boxButtons.constFind(p);
        if (it == m_boxButtons.constEnd())
            continue;
        if (QAbstractButton* b = it.value()) {
            b->click();
            return true;
        }
        if (!focusNextBox(m_window, focus))
            focusNextAny(m_window, focus);
        return true;
    }
    if (focusNextBox(m_window, focus))
        return true;
    if (m_enterButton)
        m_enterButton->click();
    else
        focusNextAny(m_window, focus);
    return true;
}
