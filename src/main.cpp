#include "widgets/Command.h"
#include "app/Program.h"

int main(int argc, char **argv) {
    d7::Application app(argc, argv);
    return d7::RunProgram();
}
