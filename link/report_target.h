#pragma once
// What the exchange reports may do to the module window that started a worker.
// The link knows no widget: module windows implement this, tests use a fake.
// Texts are UTF-8.

#include "link/module_profile.h"
#include "link/serial_port.h"

#include <string>
#include <vector>

namespace pemrix::link {

enum class LinkButton { Write, Read, Connect, Cancel, LoadId };

class ReportTarget {
  public:
    virtual ~ReportTarget() = default;

    // The module the window serves: picks the texts of the reports.
    virtual ModuleKind moduleKind() const = 0;

    virtual void showStatus(const std::string& text) = 0;
    // A modal box with an OK button; returns when the user has closed it.
    virtual void showMessage(const std::string& text) = 0;
    virtual void setButtonEnabled(LinkButton button, bool enabled) = 0;

    // Shows an image just read in the window's controls (ApplyConfigImage / ApplyImage).
    virtual void applyImage(const std::vector<int>& image) = 0;

    // Identifier edits Id1..Id8 of the expander windows (slot 1..8); the relay
    // window has none.
    virtual std::string identifierText(int slot) const {
        (void)slot;
        return {};
    }
    virtual void setIdentifierText(int slot, const std::string& text) {
        (void)slot;
        (void)text;
    }

    // The two button layouts of a link being set up and of no link.
    virtual void setLinkPending() = 0;
    virtual void setLinkDown() = 0;
    virtual void closeWindow() = 0;

    // The kind the module's link answer named (the window's own kind or one of its
    // module's models), and, once the answer is accepted, that the link stands. A
    // window that shows which model it edits, or works on without a module, follows
    // these and the link layouts; the others ignore them.
    virtual void linkAnswered(ModuleKind kind) { (void)kind; }
    virtual void linkEstablished() {}
    // The line under the window's exchange failed (the device gone); the window has
    // already said so and taken the layout of no link.
    virtual void lineLost(const PortError& error) { (void)error; }
};

} // namespace pemrix::link
