#include "support/MessageRecorder.h"

MessageRecorder::MessageRecorder() : m_previous(Messages::backend()) { Messages::setBackend(this); }

MessageRecorder::~MessageRecorder() { Messages::setBackend(m_previous); }

Messages::Answer MessageRecorder::show(QWidget*, const Messages::Box& box) {
    boxes << box;
    if (!answers.isEmpty())
        return answers.dequeue();
    switch (box.buttons) {
    case Messages::Buttons::Ok: return Messages::Answer::Ok;
    case Messages::Buttons::OkCancel:
        return positiveFallback ? Messages::Answer::Ok : Messages::Answer::Cancel;
    case Messages::Buttons::YesNo:
    case Messages::Buttons::YesNoCancel:
        return positiveFallback ? Messages::Answer::Yes : Messages::Answer::No;
    }
    return Messages::Answer::Ok;
}

QString MessageRecorder::chooseFile(QWidget*, const Messages::FileDialog& dialog) {
    fileDialogs << dialog;
    return files.isEmpty() ? QString() : files.dequeue();
}

QStringList MessageRecorder::texts() const {
    QStringList l;
    for (const auto& b : boxes)
        l << b.text;
    return l;
}
