// A small option parser for dpmrtool commands: "--name value", "-o value",
// flags, and positional arguments. Errors become one-line messages.
#pragma once

#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace dpmr::cli {

class ArgParser {
  public:
    // `valued` are options that take a value ("--port", "-o"), `flags` those that
    // do not ("--help").
    ArgParser(std::set<std::string> valued, std::set<std::string> flags);

    // Returns false and sets error() on an unknown option or a missing value.
    bool Parse(const std::vector<std::string>& args);

    bool Has(const std::string& name) const {
        return values_.count(name) || flagsSeen_.count(name);
    }
    // The last value given for the option.
    std::optional<std::string> Value(const std::string& name) const;
    // Every value given for an option that may be repeated, in order.
    std::vector<std::string> Values(const std::string& name) const;
    const std::vector<std::string>& Positional() const { return positional_; }
    const std::string& error() const { return error_; }

  private:
    std::set<std::string> valued_;
    std::set<std::string> flags_;
    std::map<std::string, std::string> values_;
    std::map<std::string, std::vector<std::string>> repeated_;
    std::set<std::string> flagsSeen_;
    std::vector<std::string> positional_;
    std::string error_;
};

// Prints "dpmrtool: message" on stderr and returns kExitUsage.
int UsageError(const std::string& message);

}  // namespace dpmr::cli
