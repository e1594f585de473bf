// Resetting the subsystems' globals around every test of a test program.
#pragma once

// Installs the reset before and after every test; test programs of the subsystems call it from their main.
void InstallGlobalsReset();
