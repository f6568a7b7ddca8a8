#include <QCoreApplication>

#include "app/CommandLine.h"
#include "app/Program.h"
#include "widgets/Command.h"

int main(int argc, char **argv) {
    // Batch work needs no display: the window's application is made only for the window.
    if (d7::WantsCommandLine(argc, argv)) {
        QCoreApplication app(argc, argv);
        return d7::RunCommandLine(app.arguments());
    }
    d7::Application app(argc, argv);
    return d7::RunProgram(app.arguments());
}
