#pragma once
// An Orvel-416 window on the shared module-window rig, with its loop boxes.

#include "secure/secure_form.h"
#include "tests/support/module_window_rig.h"

namespace pemrix::secure::testing {

class SecureFormTest : public pemrix::testing::ModuleWindowTest<TSecureForm> {
  protected:
    QCheckBox* ks(int loop) const { return box(QStringLiteral("ks%1").arg(loop)); }
};

} // namespace pemrix::secure::testing
