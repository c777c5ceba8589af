#include "ui/application.h"

int main(int argc, char** argv) {
    return calquin::ui::runApplication(argc, argv);
}
