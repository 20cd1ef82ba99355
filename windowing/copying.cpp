// SPDX-FileCopyrightText: 2026 The Torrentix developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "copying.h"

#include "guard.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QShortcut>

namespace torrentix {

CopyableTexts::CopyableTexts(QWidget& window, std::initializer_list<QLabel*> labels)
    : QObject(&window), window_(window) {
    for (QLabel* label : labels) {
        labels_.emplace_back(label);
        label->installEventFilter(this);
    }
    // Ctrl+C wherever the focus is in the window. An input box keeps Ctrl+C for its own
    // selection; without one, it lets the selected result go (see eventFilter).
    auto* shortcut = new QShortcut(QKeySequence::Copy, &window);
    shortcut->setContext(Qt::WindowShortcut);
    connect(shortcut, &QShortcut::activated, this, Guarded([this] { copy(); }));
    for (QLineEdit* box : window.findChildren<QLineEdit*>())
        box->installEventFilter(this);
}

QLabel* CopyableTexts::selected() const {
    for (const QPointer<QLabel>& label : labels_) {
        if (label && label->isVisible() && label->hasSelectedText())
            return label;
    }
    return nullptr;
}

void CopyableTexts::copy() const {
    if (const QLabel* label = selected())
        QApplication::clipboard()->setText(label->selectedText());
}

void CopyableTexts::selectWhole(QLabel& label) const {
    label.setSelection(0, int(label.text().size()));
    QClipboard* clipboard = QApplication::clipboard();
    if (clipboard->supportsSelection())
        clipboard->setText(label.text(), QClipboard::Selection);
}

bool CopyableTexts::forwardOntoText(QLabel& label, QMouseEvent& event) {
    // The text takes only the top of its box, and the label finds no character below it: a
    // press or drag lower in the box counts as if on the text's last line.
    const QRect text = label.fontMetrics().boundingRect(
        label.rect(), int(label.alignment()) | Qt::TextWordWrap, label.text());
    const qreal bottom = qMax(text.bottom(), 0);
    if (event.position().y() <= bottom)
        return false;
    // Same time and window position as the real event: Qt keeps the last press of the mouse
    // for telling a double click, and a press from nowhere would make the next one a click.
    QMouseEvent onText(event.type(), QPointF(event.position().x(), bottom), event.scenePosition(),
                       event.globalPosition(), event.button(), event.buttons(), event.modifiers(),
                       event.pointingDevice());
    onText.setTimestamp(event.timestamp());
    struct Forwarding {
        bool& flag;
        explicit Forwarding(bool& f) : flag(f) { flag = true; }
        ~Forwarding() { flag = false; }
    } forwarding(forwarding_);
    QCoreApplication::sendEvent(&label, &onText);
    event.setAccepted(onText.isAccepted());
    return true;
}

void CopyableTexts::dropOtherSelections(const QLabel& label) const {
    for (const QPointer<QLabel>& other : labels_) {
        if (other && other != &label)
            other->setSelection(0, 0);
    }
    if (auto* box = qobject_cast<QLineEdit*>(window_.focusWidget()))
        box->deselect();
}

void CopyableTexts::showMenu(QLabel& label, const QPoint& where) {
    dropOtherSelections(label);
    // Copy takes the whole text, unless the user chose a part of it.
    if (!label.hasSelectedText())
        selectWhole(label);
    auto* menu = new QMenu(&label);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    const QString copyKey = QKeySequence(QKeySequence::Copy).toString(QKeySequence::NativeText);
    connect(menu->addAction(tr("&Copy") + QLatin1Char('\t') + copyKey), &QAction::triggered, this,
            Guarded([this] { copy(); }));
    connect(menu->addAction(tr("Select &All")), &QAction::triggered, this,
            Guarded([this, target = QPointer<QLabel>(&label)] {
                if (target)
                    selectWhole(*target);
            }));
    menu->popup(where);
}

bool CopyableTexts::eventFilter(QObject* watched, QEvent* event) {
    bool handled = false;
    Guarded([&] {
        if (auto* box = qobject_cast<QLineEdit*>(watched)) {
            // Ignored and consumed, the override leaves Ctrl+C to the window's shortcut.
            if (event->type() == QEvent::ShortcutOverride &&
                static_cast<QKeyEvent*>(event)->matches(QKeySequence::Copy) &&
                !box->hasSelectedText() && selected() != nullptr) {
                event->ignore();
                handled = true;
            }
            return;
        }
        auto* label = qobject_cast<QLabel*>(watched);
        if (label == nullptr || forwarding_)
            return;
        switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
            if (static_cast<QMouseEvent*>(event)->button() != Qt::LeftButton)
                break;
            dropOtherSelections(*label);
            // A number is one word to its reader, sign and exponent included.
            if (event->type() == QEvent::MouseButtonDblClick) {
                selectWhole(*label);
                handled = true;
                break;
            }
            handled = forwardOntoText(*label, *static_cast<QMouseEvent*>(event));
            break;
        case QEvent::MouseMove:
        case QEvent::MouseButtonRelease:
            handled = forwardOntoText(*label, *static_cast<QMouseEvent*>(event));
            break;
        case QEvent::ContextMenu:
            if (!label->text().isEmpty()) {
                showMenu(*label, static_cast<QContextMenuEvent*>(event)->globalPos());
                handled = true;
            }
            break;
        default:
            break;
        }
    })();
    return handled;
}

} // namespace torrentix
