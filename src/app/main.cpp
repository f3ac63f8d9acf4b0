#include "data/DM1.h"
#include "data/ui/Messages.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    TDM1 dm(QCoreApplication::applicationDirPath());
    if (!dm.connect()) {
        Messages::error(nullptr, QStringLiteral("数据库文件丢失，软件无法运行，请重新复制本软件！"));
        return 1;
    }
    return 0;
}
