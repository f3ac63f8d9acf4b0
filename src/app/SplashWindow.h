#pragma once

#include <QSplashScreen>

// The start-up window: a borderless 498 x 356 picture centred on the desktop with
// "正在启动程序，请稍候" at its lower left.
class SplashWindow : public QSplashScreen {
    Q_OBJECT
public:
    static constexpr int Width = 498;
    static constexpr int Height = 356;

    SplashWindow();

    // The picture, drawn here so the program carries no image files.
    static QPixmap picture();

protected:
    void drawContents(QPainter* painter) override;
};
