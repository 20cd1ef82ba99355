#include "program.h"

#include <QApplication>

#include <cstdio>
#include <exception>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    torrentix::SetIdentity(app);
    // The program ends when its last window is unloaded, by whatever path.
    QApplication::setQuitOnLastWindowClosed(false);

    try {
        torrentix::Program program;
        QObject::connect(&program.shell(), &torrentix::Shell::lastWindowUnloaded, &app,
                         [] { QCoreApplication::exit(0); });
        program.Instance(torrentix::WindowKind::Hydropower).Show();
        return QApplication::exec();
    } catch (const std::exception& e) {
        std::fprintf(stderr, "Torrentix could not start: %s\n", e.what());
        return 1;
    }
}
