#pragma once

#include <QWidget>

class NumberBox;
class QLineEdit;
class QPushButton;

// "人民币大小写转换": type an amount in figures, read it in capitals. A child window of the main
// window (shown inside a QMdiSubWindow), fixed size; closing it frees it.
class TFntoc1 : public QWidget {
    Q_OBJECT
public:
    explicit TFntoc1(QWidget* parent = nullptr);

    // 转换 as the button and Enter run it: an empty box is refused with a message.
    void convert();

    // Edit2's text for an amount that has no capitals (10^13 or more).
    static QString outOfRangeText() { return QStringLiteral("金额超出转换范围"); }

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Shows the capitals of Edit1's text. Quiet: an empty or unfinished text shows no message.
    void convertQuietly();
    void closeWindow();

    NumberBox* m_figures = nullptr;
    QLineEdit* m_capitals = nullptr;
    bool m_shown = false;
};
