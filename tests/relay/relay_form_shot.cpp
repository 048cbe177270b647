// A picture of the relay window with the factory image (scripts/tools/screenshot-relay):
//   relay_form_shot <output.png> [tab] [controlling device]
// tab 1..8 is the relay tab shown (default 1); the controlling device 0..4 is chosen
// on tab 1 first (default 0).

#include "forms/radio_group.h"
#include "relay/relay_form.h"
#include "tests/support/window_shot.h"

#include <QRadioButton>
#include <QTabWidget>
#include <cstdlib>

int main(int argc, char** argv) {
    using pemrix::relay::TReleForm;
    return pemrix::testing::shootModuleWindow<TReleForm>(
        argc, argv, " [tab] [controlling device]", [](TReleForm& window, int count, char** args) {
            const int tab = count > 2 ? std::atoi(args[2]) : 1;
            const int device = count > 3 ? std::atoi(args[3]) : 0;
            window.findChild<pemrix::forms::RadioGroup*>("Ved")->button(device)->click();
            window.findChild<QTabWidget*>("Rele")->setCurrentIndex(tab - 1);
        });
}
