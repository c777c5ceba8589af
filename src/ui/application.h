#pragma once

namespace calquin::ui {

// Opens the drill window on the catalogue in the working directory and runs until it is closed.
// A catalogue that cannot be used is reported (message box and standard error) and the program
// ends with status 1 before any window shows.
int runApplication(int argc, char** argv);

}  // namespace calquin::ui
