// A picture of the Orvel-417 window with the factory image
// (scripts/tools/screenshot-firesecure).

#include "firesecure/firesecure_form.h"
#include "tests/support/window_shot.h"

int main(int argc, char** argv) {
    return pemrix::testing::shootModuleWindow<pemrix::firesecure::TFireSecureForm>(argc, argv);
}
