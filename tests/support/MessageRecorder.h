#pragma once

#include "data/ui/Messages.h"

#include <QList>
#include <QQueue>
#include <QStringList>

// Installs itself as the message backend for its lifetime: records every box and file dialog,
// answers questions from a script (first in, first out) and file dialogs from a list of paths.
// An unscripted question is answered with `fallback` (OK / Yes by default).
class MessageRecorder : public Messages::Backend {
public:
    MessageRecorder();
    ~MessageRecorder() override;

    QList<Messages::Box> boxes;
    QList<Messages::FileDialog> fileDialogs;
    QQueue<Messages::Answer> answers;
    QQueue<QString> files;
    bool positiveFallback = true;

    Messages::Answer show(QWidget* parent, const Messages::Box& box) override;
    QString chooseFile(QWidget* parent, const Messages::FileDialog& dialog) override;

    // The texts of the boxes shown so far, in order.
    QStringList texts() const;
    QString lastText() const { return boxes.isEmpty() ? QString() : boxes.last().text; }
    void clear() { boxes.clear(); fileDialogs.clear(); }

private:
    Messages::Backend* m_previous;
};
