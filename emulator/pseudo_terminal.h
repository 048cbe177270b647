#pragma once
// A pseudo-terminal whose slave side looks like a serial port to the host. The master
// stays with the emulator; the emulator also keeps one slave descriptor of its own
// open, so the terminal keeps its raw settings between the host's opens and the master
// never sees a hang-up (which would make it poll ready forever) while no host is there.

#include <string>

namespace pemrix::emulator {

class PseudoTerminal {
  public:
    // Throws std::system_error when the system will not hand out a pseudo-terminal.
    PseudoTerminal();
    ~PseudoTerminal();
    PseudoTerminal(const PseudoTerminal&) = delete;
    PseudoTerminal& operator=(const PseudoTerminal&) = delete;

    // Non-blocking, close-on-exec; -1 once hung up.
    int masterFd() const { return master_; }
    // Closes the master, as when the adapter is pulled out: every host holding the
    // device sees a hang-up, and nothing passes any more.
    void hangUp();
    // The device the host opens, e.g. /dev/pts/7.
    const std::string& slavePath() const { return slavePath_; }

  private:
    int master_ = -1;
    int heldSlave_ = -1;
    std::string slavePath_;
};

} // namespace pemrix::emulator
