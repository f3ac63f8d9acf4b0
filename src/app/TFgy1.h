#pragma once

#include <QDialog>

// The about box: product title, version and where to get help. 确定 or Esc closes it.
class TFgy1 : public QDialog {
    Q_OBJECT
public:
    explicit TFgy1(QWidget* parent = nullptr);
};
