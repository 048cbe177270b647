#pragma once
// A main window stand-in for module windows under test: it records what a window
// asks of it (in order) and starts no exchange, only notes it.

#include "forms/module_host.h"

#include <string>
#include <vector>

namespace pemrix::testing {

struct WorkerStart {
    link::ModuleKind kind;
    link::Operation operation;
    std::vector<int> data;
};

class RecordingHost : public forms::ModuleHost {
  public:
    std::vector<std::string> calls;   // "closePort", "StartLink", "startWorker <op>", ...
    std::vector<WorkerStart> workers; // the exchanges accepted
    bool acceptWorkers = true;        // false: as while another exchange still runs
    const forms::ModuleWindow* created = nullptr;
    const forms::ModuleWindow* closed = nullptr;

    void closePort() override { calls.push_back("closePort"); }
    void StartLink() override { calls.push_back("StartLink"); }
    void stopWorker() override { calls.push_back("stopWorker"); }
    bool startWorker(link::ModuleKind kind, link::Operation operation,
                     std::vector<int> data) override {
        calls.push_back("startWorker " + std::to_string(link::operationValue(operation)));
        if (acceptWorkers)
            workers.push_back({kind, operation, std::move(data)});
        return acceptWorkers;
    }
    void lineLost(const link::PortError& error) override {
        calls.push_back("lineLost " + error.message);
    }
    std::string portDescription() const override { return "COM1 (/dev/ttyS0)"; }
    void moduleWindowCreated(forms::ModuleWindow* window) override {
        calls.push_back("created");
        created = window;
    }
    void moduleWindowClosed(forms::ModuleWindow* window) override {
        calls.push_back("closed");
        closed = window;
    }
};

} // namespace pemrix::testing
