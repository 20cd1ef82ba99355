// SPDX-FileCopyrightText: 2026 The Torrentix developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "languages.h"
#include "program.h"

#include <QApplication>

#ifdef Q_OS_WASM
#include <QDirIterator>
#include <QFont>
#include <QFontDatabase>

#include <emscripten.h>
#endif

#include <cstdio>
#include <cstdlib>
#include <exception>
#include <utility>
#include <vector>

#ifndef Q_OS_WASM
namespace {
// X11 first, through XWayland on a Wayland desktop: the windows are centred and every message
// box is captioned and placed over its window by design, which a Wayland client cannot ask
// for. Native Wayland remains where there is no X display; a platform the user chose wins.
// Only where X11 is a platform of ours: on Windows, DISPLAY may be set too (by Wine or an X
// server for Windows), and the Windows platform is the only one there.
void choosePlatform() {
#if defined(Q_OS_UNIX) && !defined(Q_OS_DARWIN)
    if (!qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        return;
    const bool x11 = !qEnvironmentVariableIsEmpty("DISPLAY");
    const bool wayland = !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
    if (x11)
        qputenv("QT_QPA_PLATFORM", wayland ? "xcb;wayland" : "xcb");
    else if (wayland)
        qputenv("QT_QPA_PLATFORM", "wayland");
#endif
}

// Without any display Qt aborts with a page of advice on plugins. Say it in one line instead,
// and end with status 1; what Qt says while it starts is passed on once it has started.
std::vector<std::pair<QtMsgType, QString>> held;

void holdWhileStarting(QtMsgType type, const QMessageLogContext&, const QString& text) {
    if (type != QtFatalMsg) {
        held.emplace_back(type, text);
        return;
    }
    const QByteArray display = qgetenv("DISPLAY");
    if (display.isEmpty() && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        std::fputs("Torrentix cannot open its window: no display was found (neither DISPLAY nor "
                   "WAYLAND_DISPLAY is set).\n",
                   stderr);
    else
        std::fprintf(stderr, "Torrentix cannot open its window on the display %s.\n",
                     display.isEmpty() ? qgetenv("WAYLAND_DISPLAY").constData()
                                       : display.constData());
    std::_Exit(1);
}
} // namespace
#endif

int main(int argc, char* argv[]) {
#ifdef Q_OS_WASM
    // A page is always there to draw in.
    QApplication app(argc, argv);
#else
    choosePlatform();
    const QtMessageHandler standard = qInstallMessageHandler(holdWhileStarting);
    QApplication app(argc, argv);
    qInstallMessageHandler(standard);
    for (const auto& [type, text] : held)
        standard(type, QMessageLogContext(), text);
    held.clear();
#endif

    torrentix::SetUpApplication(app);
    const torrentix::Translations translations;
#ifdef Q_OS_WASM
    // A page has no fonts of its own: the program brings the faces it is designed with, and
    // the one its translation is written in.
    for (QDirIterator face(QStringLiteral(":/faces"), QDir::Files); face.hasNext();)
        QFontDatabase::addApplicationFont(face.next());
    QFontDatabase::addApplicationFont(
        QStringLiteral(":/faces/languages/%1.ttf").arg(translations.language()));
    // Message boxes and menus in the size a Linux desktop gives them.
    QApplication::setFont(QFont(QStringLiteral("DejaVu Sans"), 9));
    // The page's event loop outlives the program unless told: with the last window the
    // program ends, and the page offers to start it again.
    QObject::connect(&app, &QGuiApplication::lastWindowClosed, [] { emscripten_force_exit(0); });
#endif
    // Fontconfig draws Chinese characters in the faces of the locale's language; where the
    // locale is another language's (or C), it is told the translation's, so that Japanese does
    // not show Chinese forms, nor Chinese Japanese ones. Before any text is drawn, as it reads
    // this once.
    if (!translations.language().isEmpty() && !qEnvironmentVariableIsSet("FC_LANG"))
        qputenv("FC_LANG", translations.language()
                               .toLower()
                               .replace(QLatin1Char('_'), QLatin1Char('-'))
                               .toLatin1());

    try {
        // Qt ends the program when its last window closes, by whatever path.
        torrentix::Program program;
        program.Instance(torrentix::WindowKind::Hydropower).Show();
        return QApplication::exec();
    } catch (const std::exception& e) {
        std::fprintf(stderr, "Torrentix could not start: %s\n", e.what());
        return 1;
    }
}
