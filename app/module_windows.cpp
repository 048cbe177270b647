#include "app/module_windows.h"

#include "app/main_form.h"
#include "firesecure/firesecure_form.h"
#include "relay/relay_form.h"
#include "secure/secure_form.h"

namespace pemrix::app {

void registerModuleWindows(TMainForm& form) {
    form.setModuleWindowFactory(link::ModuleKind::Secure, [](forms::ModuleHost& host) {
        return new secure::TSecureForm(host);
    });
    form.setModuleWindowFactory(link::ModuleKind::FireSecure, [](forms::ModuleHost& host) {
        return new firesecure::TFireSecureForm(host);
    });
    form.setModuleWindowFactory(link::ReleModule,
                                [](forms::ModuleHost& host) { return new relay::TReleForm(host); });
}

} // namespace pemrix::app
