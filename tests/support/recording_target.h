#pragma once
// A module window that only records what the exchange reports do to it: every call
// as a line of text, in order ("status <text>", "message <text>", "enable Read",
// "disable Write", "image", "Id<k> <text>", "pending", "down", "close",
// "answered <kind>", "established"), the images and the identifier texts, and how
// many calls came from another thread than the one that made it. Standard library
// only, for tests, benchmarks and fuzzers alike.

#include "link/report_target.h"

#include <array>
#include <cstddef>
#include <string>
#include <thread>
#include <vector>

namespace pemrix::testing {

class RecordingTarget : public link::ReportTarget {
  public:
    explicit RecordingTarget(link::ModuleKind kind) : kind_(kind) {}

    link::ModuleKind moduleKind() const override { return kind_; }
    void showStatus(const std::string& text) override {
        lastStatus = text;
        add("status " + text);
        texts.push_back(text);
    }
    void showMessage(const std::string& text) override {
        add("message " + text);
        texts.push_back(text);
    }
    void setButtonEnabled(link::LinkButton button, bool enabled) override {
        static const char* const names[] = {"Write", "Read", "Connect", "Cancel", "LoadId"};
        add((enabled ? "enable " : "disable ") + std::string(names[static_cast<int>(button)]));
    }
    void applyImage(const std::vector<int>& image) override {
        images.push_back(image);
        add("image");
    }
    std::string identifierText(int slot) const override {
        return slot >= 1 && slot <= 8 ? identifiers[static_cast<std::size_t>(slot - 1)] : "";
    }
    void setIdentifierText(int slot, const std::string& text) override {
        identifiers.at(static_cast<std::size_t>(slot - 1)) = text;
        add("Id" + std::to_string(slot) + " " + text);
    }
    void setLinkPending() override { add("pending"); }
    void setLinkDown() override { add("down"); }
    void closeWindow() override { add("close"); }
    void linkAnswered(link::ModuleKind kind) override {
        add("answered " + std::to_string(link::kindValue(kind)));
    }
    void linkEstablished() override { add("established"); }
    void lineLost(const link::PortError& error) override {
        add("line lost " + link::portErrorReason(error));
    }

    std::vector<std::string> calls;
    std::vector<std::string> texts; // the texts of status and message calls alone
    std::string lastStatus;
    std::vector<std::vector<int>> images;
    std::array<std::string, 8> identifiers{};
    int callsFromOtherThreads = 0;

  private:
    void add(std::string call) {
        if (std::this_thread::get_id() != madeOn_)
            ++callsFromOtherThreads;
        calls.push_back(std::move(call));
    }
    link::ModuleKind kind_;
    std::thread::id madeOn_ = std::this_thread::get_id();
};

} // namespace pemrix::testing
