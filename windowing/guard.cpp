// SPDX-FileCopyrightText: 2026 The Torrentix developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "guard.h"

#include "messages.h"

#include <QApplication>

#include <cstdio>
#include <new>

namespace torrentix {

void LastResort(std::exception_ptr failure) noexcept {
    try {
        QString text;
        try {
            std::rethrow_exception(failure);
        } catch (const std::bad_alloc&) {
            text = QCoreApplication::translate("LastResort",
                                               "There is not enough memory to finish this action.");
        } catch (const std::exception& e) {
            text =
                QCoreApplication::translate("LastResort", "This action could not be finished: %1")
                    .arg(QString::fromLocal8Bit(e.what()));
        } catch (...) {
            text = QCoreApplication::translate(
                "LastResort", "This action could not be finished because of an unexpected error.");
        }
        ShowMessage(QApplication::activeWindow(), text);
    } catch (...) {
        // Not even a message box could be shown; the console is all that is left.
        std::fputs("Torrentix: an action failed and its message could not be shown\n", stderr);
    }
}

} // namespace torrentix
