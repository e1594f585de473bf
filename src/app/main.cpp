// Orvalis: the entry point, which hands over to start-up at once.
#include "shell/startup.h"

int main(int argc, char** argv) {
    return OrvalisMain(argc, argv);
}
