// Status: what a core operation reports back: success, or the message the
// user is to see. Core code never shows UI, never exits and never throws
// across its boundary for expected failures.
#pragma once

#include <string>
#include <utility>

namespace dpmr {

class Status {
  public:
    static Status Ok() { return Status(); }
    static Status Error(std::string message) { return Status(std::move(message)); }

    bool ok() const { return !failed_; }
    explicit operator bool() const { return ok(); }
    const std::string& message() const { return message_; }

  private:
    Status() = default;
    explicit Status(std::string message) : failed_(true), message_(std::move(message)) {}
    bool failed_ = false;
    std::string message_;
};

}  // namespace dpmr
