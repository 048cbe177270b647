// A picture of the Orvel-416 window with the factory image (scripts/tools/screenshot-secure).

#include "secure/secure_form.h"
#include "tests/support/window_shot.h"

int main(int argc, char** argv) {
    return pemrix::testing::shootModuleWindow<pemrix::secure::TSecureForm>(argc, argv);
}
