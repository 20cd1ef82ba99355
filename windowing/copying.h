// SPDX-FileCopyrightText: 2026 The Torrentix developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Read-only texts a user can copy the way one expects of read-only text: select with the mouse
// (a double click takes the whole text), then Ctrl+C or Copy from the text's context menu. The
// labels never take the keyboard focus, so the window's tab cycle stays as designed; their
// form makes them selectable by mouse, and this supplies what a label without focus lacks.
// Nothing changes on screen until the user selects.
#pragma once

#include <QCoreApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QObject>
#include <QPointer>

#include <initializer_list>
#include <vector>

namespace torrentix {

class CopyableTexts : public QObject {
    Q_DECLARE_TR_FUNCTIONS(CopyableTexts)

public:
    // Lives as long as the window, which owns it.
    CopyableTexts(QWidget& window, std::initializer_list<QLabel*> labels);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The shown label with a selection, or null: there is at most one.
    QLabel* selected() const;
    void copy() const;
    void selectWhole(QLabel& label) const;
    // A new selection begins in the label: the one before, in another of the texts or in the
    // input box with the focus, goes.
    void dropOtherSelections(const QLabel& label) const;
    // A context menu with Copy and Select All: a label without focus gets none of its own.
    void showMenu(QLabel& label, const QPoint& where);
    // Hands a mouse event that fell below the text to the label moved up onto the text's last
    // line; whether it did.
    bool forwardOntoText(QLabel& label, QMouseEvent& event);

    QWidget& window_;
    std::vector<QPointer<QLabel>> labels_;
    bool forwarding_ = false;
};

} // namespace torrentix
