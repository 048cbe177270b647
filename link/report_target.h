#pragma once
// What the exchange reports may do to the module window that started a worker.
// The link knows no widget: module windows implement this, tests use a fake.
// Texts are UTF-8.

#include <string>
#include <vector>

namespace pemrix::link {

enum class LinkButton { Write, Read, Connect, Cancel, LoadId };

class ReportTarget {
  public:
    virtual ~ReportTarget() = default;

    // 1 (Orvel-417), 2 (Orvel-416) or 5 (relay): picks the texts of the reports.
    virtual int moduleKind() const = 0;

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

    // Relay window only. enterDemoMode: after no answer or a failed line, the
    // variant chooser (Demo, Orvel426, Orvel427) shown, the demonstration flag set,
    // the relay-linked flag cleared and the checked variant applied as a click on it
    // would. setReleVariantFromLink: the variant the link
    // answer names (5 or 6), which also leaves demonstration mode. markReleLinked:
    // the main window's relay-linked flag set.
    virtual void enterDemoMode() {}
    virtual void setReleVariantFromLink(int kind) { (void)kind; }
    virtual void markReleLinked() {}
};

} // namespace pemrix::link
