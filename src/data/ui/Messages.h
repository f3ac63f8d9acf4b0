#pragma once

#include <QString>

class QWidget;

// The one door for message boxes and file dialogs. Every box has its exact caption, icon,
// buttons and text; tests install a backend that records the boxes and answers from a script
// (tests/support/MessageRecorder.h).
class Messages {
public:
    enum class Icon { Information, Warning, Error, Question };
    enum class Buttons { Ok, OkCancel, YesNo, YesNoCancel };
    enum class Answer { Ok, Cancel, Yes, No };

    struct Box {
        QString caption;
        QString text;
        Icon icon;
        Buttons buttons;
    };

    struct FileDialog {
        enum class Kind { Open, Save, Directory } kind;
        QString caption;
        QString directory; // proposed folder or file
        QString filter;
    };

    class Backend {
    public:
        virtual ~Backend() = default;
        virtual Answer show(QWidget* parent, const Box& box) = 0;
        // The chosen path, or empty when cancelled.
        virtual QString chooseFile(QWidget* parent, const FileDialog& dialog) = 0;
    };

    // "提示" + information icon: missing or invalid input.
    static void information(QWidget* parent, const QString& text,
                            const QString& caption = QStringLiteral("提示"));
    // "警告" + warning icon: refusals of state.
    static void warning(QWidget* parent, const QString& text,
                        const QString& caption = QStringLiteral("警告"));
    // "错误" + error icon.
    static void error(QWidget* parent, const QString& text,
                      const QString& caption = QStringLiteral("错误"));
    // Question icon, OK and Cancel: true for OK.
    static bool okCancel(QWidget* parent, const QString& text,
                         const QString& caption = QStringLiteral("提示"));
    // Question icon, Yes and No: true for Yes.
    static bool yesNo(QWidget* parent, const QString& text,
                      const QString& caption = QStringLiteral("提示"));
    static Answer show(QWidget* parent, const Box& box);

    static QString openFileName(QWidget* parent, const QString& caption, const QString& directory,
                                const QString& filter);
    static QString saveFileName(QWidget* parent, const QString& caption, const QString& directory,
                                const QString& filter);

    // Replaces the backend (tests); nullptr restores the real message boxes.
    static void setBackend(Backend* backend);
    static Backend* backend();
};
