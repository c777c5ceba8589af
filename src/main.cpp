#include "cli/command_line.h"

int main(int argc, char** argv) {
    return calquin::cli::run(argc, argv);
}
