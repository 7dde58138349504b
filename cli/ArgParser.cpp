// Option parsing for dpmrtool commands.
#include "ArgParser.h"

#include <iostream>

#include "Command.h"

namespace dpmr::cli {

ArgParser::ArgParser(std::set<std::string> valued, std::set<std::string> flags)
    : valued_(std::move(valued)), flags_(std::move(flags)) {}

bool ArgParser::Parse(const std::vector<std::string>& args) {
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "--") {
            positional_.insert(positional_.end(), args.begin() + static_cast<long>(i) + 1,
                               args.end());
            break;
        }
        if (a.size() > 1 && a[0] == '-') {
            std::string name = a;
            std::optional<std::string> inlineValue;
            if (auto eq = a.find('='); a.rfind("--", 0) == 0 && eq != std::string::npos) {
                name = a.substr(0, eq);
                inlineValue = a.substr(eq + 1);
            }
            if (valued_.count(name)) {
                if (inlineValue) {
                    values_[name] = *inlineValue;
                } else if (i + 1 < args.size()) {
                    values_[name] = args[++i];
                } else {
                    error_ = "option " + name + " needs a value";
                    return false;
                }
                repeated_[name].push_back(values_[name]);
            } else if (flags_.count(name) && !inlineValue) {
                flagsSeen_.insert(name);
            } else {
                error_ = "unknown option " + a;
                return false;
            }
        } else {
            positional_.push_back(a);
        }
    }
    return true;
}

std::vector<std::string> ArgParser::Values(const std::string& name) const {
    auto it = repeated_.find(name);
    return it == repeated_.end() ? std::vector<std::string>{} : it->second;
}

std::optional<std::string> ArgParser::Value(const std::string& name) const {
    auto it = values_.find(name);
    if (it == values_.end()) return std::nullopt;
    return it->second;
}

int UsageError(const std::string& message) {
    std::cerr << "dpmrtool: " << message << "\n";
    return kExitUsage;
}

}  // namespace dpmr::cli
