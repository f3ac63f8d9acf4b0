#pragma once

#include <QLineEdit>

// The code box of the product and gift entry dialogs: a text box that shows "无" again whenever
// it is emptied, by the person or by the program (a product without a code has the code "无").
class CodeBox : public QLineEdit {
    Q_OBJECT
public:
    static constexpr const char16_t* NoCode = u"无";

    explicit CodeBox(QWidget* parent = nullptr);

    // The code as it is to be stored: the text, trimmed, and "无" when nothing is left.
    QString code() const;
};
