#include "app/module_windows.h"

#include "app/main_form.h"
#include "firesecure/firesecure_form.h"
#include "relay/relay_form.h"
#include "secure/secure_form.h"

namespace pemrix::app {

void registerModuleWindows(TMainForm& form) {
    form.setModuleWindowFactory(forms::ModuleWindow::Kind::Secure, [](forms::ModuleHost& host) {
        return new secure::TSecureForm(host);
    });
    form.setModuleWindowFactory(forms::ModuleWindow::Kind::FireSecure, [](forms::ModuleHost& host) {
        return new firesecure::TFireSecureForm(host);
    });
    form.setModuleWindowFactory(forms::ModuleWindow::Kind::Rele,
                                [](forms::ModuleHost& host) { return new relay::TReleForm(host); });
}

} // namespace pemrix::app
