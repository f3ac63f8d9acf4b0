#include "data/ui/Messages.h"

#include <QFileDialog>
#include <QMessageBox>

namespace {

class WidgetBackend : public Messages::Backend {
public:
    Messages::Answer show(QWidget* parent, const Messages::Box& box) override {
        QMessageBox::Icon icon = QMessageBox::Information;
        switch (box.icon) {
        case Messages::Icon::Information: icon = QMessageBox::Information; break;
        case Messages::Icon::Warning: icon = QMessageBox::Warning; break;
        case Messages::Icon::Error: icon = QMessageBox::Critical; break;
        case Messages::Icon::Question: icon = QMessageBox::Question; break;
        }
        QMessageBox::StandardButtons buttons = QMessageBox::Ok;
        QMessageBox::StandardButton escape = QMessageBox::Ok;
        switch (box.buttons) {
        case Messages::Buttons::Ok: break;
        case Messages::Buttons::OkCancel:
            buttons = QMessageBox::Ok | QMessageBox::Cancel;
            escape = QMessageBox::Cancel;
            break;
        case Messages::Buttons::YesNo:
            buttons = QMessageBox::Yes | QMessageBox::No;
            escape = QMessageBox::No;
            break;
        case Messages::Buttons::YesNoCancel:
            buttons = QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
            escape = QMessageBox::Cancel;
            break;
        }
        QMessageBox mb(icon, box.caption, box.text, buttons, parent);
        mb.setEscapeButton(escape);
        switch (mb.exec()) {
        case QMessageBox::Cancel: return Messages::Answer::Cancel;
        case QMessageBox::Yes: return Messages::Answer::Yes;
        case QMessageBox::No: return Messages::Answer::No;
        default: return Messages::Answer::Ok;
        }
    }

    QString chooseFile(QWidget* parent, const Messages::FileDialog& d) override {
        switch (d.kind) {
        case Messages::FileDialog::Kind::Open:
            return QFileDialog::getOpenFileName(parent, d.caption, d.directory, d.filter);
        case Messages::FileDialog::Kind::Save:
            return QFileDialog::getSaveFileName(parent, d.caption, d.directory, d.filter);
        case Messages::FileDialog::Kind::Directory:
            return QFileDialog::getExistingDirectory(parent, d.caption, d.directory);
        }
        return {};
    }
};

WidgetBackend g_widgets;
Messages::Backend* g_backend = &g_widgets;

} // namespace

void Messages::setBackend(Backend* b) { g_backend = b ? b : &g_widgets; }
Messages::Backend* Messages::backend() { return g_backend; }

Messages::Answer Messages::show(QWidget* parent, const Box& box) {
    return g_backend->show(parent, box);
}

void Messages::information(QWidget* parent, const QString& text, const QString& caption) {
    show(parent, {caption, text, Icon::Information, Buttons::Ok});
}

void Messages::warning(QWidget* parent, const QString& text, const QString& caption) {
    show(parent, {caption, text, Icon::Warning, Buttons::Ok});
}

void Messages::error(QWidget* parent, const QString& text, const QString& caption) {
    show(parent, {caption, text, Icon::Error, Buttons::Ok});
}

bool Messages::okCancel(QWidget* parent, const QString& text, const QString& caption) {
    return show(parent, {caption, text, Icon::Question, Buttons::OkCancel}) == Answer::Ok;
}

bool Messages::yesNo(QWidget* parent, const QString& text, const QString& caption) {
    return show(parent, {caption, text, Icon::Question, Buttons::YesNo}) == Answer::Yes;
}

QString Messages::openFileName(QWidget* parent, const QString& caption, const QString& directory,
                               const QString& filter) {
    return g_backend->chooseFile(parent, {FileDialog::Kind::Open, caption, directory, filter});
}

QString Messages::saveFileName(QWidget* parent, const QString& caption, const QString& directory,
                               const QString& filter) {
    return g_backend->chooseFile(parent, {FileDialog::Kind::Save, caption, directory, filter});
}
