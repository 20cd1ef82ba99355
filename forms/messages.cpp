#include "messages.h"

#include <QCoreApplication>
#include <QMessageBox>

namespace torrentix {
namespace {
MessageRecorder::Sink& sink() {
    static MessageRecorder::Sink current;
    return current;
}
} // namespace

void ShowMessage(QWidget* parent, const QString& text) {
    const QString caption = QCoreApplication::applicationName();
    if (sink()) {
        sink()(caption, text);
        return;
    }
    QMessageBox box(QMessageBox::NoIcon, caption, text, QMessageBox::Ok, parent);
    // Escape and the close box end it like OK does.
    box.setEscapeButton(QMessageBox::Ok);
    box.setWindowModality(parent ? Qt::WindowModal : Qt::ApplicationModal);
    box.exec();
}

MessageRecorder::MessageRecorder(Sink sink_) : previous_(std::move(sink())) {
    sink() = std::move(sink_);
}

MessageRecorder::~MessageRecorder() {
    sink() = std::move(previous_);
}

} // namespace torrentix
