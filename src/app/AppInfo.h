#pragma once

#include <QString>

// Fixed facts about the program that several windows show or use.
namespace AppInfo {

inline QString title() { return QStringLiteral("zur软件通用行业版"); }
inline QString version() { return QStringLiteral("1.0"); }
// The page that 访问zur官方站 opens and the about box shows.
inline QString webSite() { return QStringLiteral("https://www.example.com/"); }
inline QString supportMail() { return QStringLiteral("support@example.com"); }

// Help files beside the program. The manual is HTML so that any desktop opens it in a browser.
inline QString manualFile() { return QStringLiteral("zur操作说明书.html"); }
inline QString faqFile() { return QStringLiteral("zur功能问答.txt"); }

// The message for a database that cannot be opened or read at start-up.
inline QString databaseMissingText() {
    return QStringLiteral("数据库文件丢失，软件无法运行，请重新复制本软件！");
}

} // namespace AppInfo
