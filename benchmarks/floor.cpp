// SPDX-FileCopyrightText: 2026 The Torrentix developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The floor the program is measured against: the least a Qt Widgets program does to show a
// window of the calculator's size with one label. Built with the same flags as Torrentix.
#include <QApplication>
#include <QLabel>
#include <QWidget>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Floor"));
    window.resize(725, 440);
    QLabel label(QStringLiteral("Hydro Power Energy for Electricity"), &window);
    label.move(16, 16);
    window.show();
    return QApplication::exec();
}
