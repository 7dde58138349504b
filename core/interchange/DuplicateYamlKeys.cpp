// Repeated keys in a YAML file's mappings, found on the parser's events.
#include "interchange/DuplicateYamlKeys.h"

#include <yaml-cpp/eventhandler.h>
#include <yaml-cpp/mark.h>
#include <yaml-cpp/parser.h>

#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "interchange/CodeplugModel.h"
#include "util/PlainText.h"
#include "util/Translation.h"

namespace dpmr {

namespace {

// Follows the nesting of the events; in a mapping, every other node is a key.
class KeyWatch : public YAML::EventHandler {
  public:
    // The fault of the first repeated key; Ok when there is none.
    const Status& Found() const { return found_; }

    void OnDocumentStart(const YAML::Mark&) override {}
    void OnDocumentEnd() override {}
    void OnNull(const YAML::Mark&, YAML::anchor_t) override { Node(); }
    void OnAlias(const YAML::Mark&, YAML::anchor_t) override { Node(); }
    void OnScalar(const YAML::Mark& mark, const std::string&, YAML::anchor_t,
                  const std::string& value) override {
        if (!stack_.empty() && stack_.back().map && stack_.back().keyNext) Key(mark, value);
        Node();
    }
    void OnSequenceStart(const YAML::Mark&, const std::string&, YAML::anchor_t,
                         YAML::EmitterStyle::value) override {
        Node();
        stack_.push_back(Level{.map = false, .keyNext = true, .keyLines = {}});
    }
    void OnSequenceEnd() override { stack_.pop_back(); }
    void OnMapStart(const YAML::Mark&, const std::string&, YAML::anchor_t,
                    YAML::EmitterStyle::value) override {
        Node();
        stack_.push_back(Level{.map = true, .keyNext = true, .keyLines = {}});
    }
    void OnMapEnd() override { stack_.pop_back(); }

  private:
    struct Level {
        bool map = false;
        bool keyNext = true;                  // in a mapping: the next node is a key
        std::map<std::string, int> keyLines;  // the keys seen, with their lines (from 1)
    };

    // A whole node ended or started in the enclosing collection.
    void Node() {
        if (!stack_.empty() && stack_.back().map) stack_.back().keyNext = !stack_.back().keyNext;
    }

    void Key(const YAML::Mark& mark, const std::string& key) {
        const int line = mark.line + 1;
        const auto [at, fresh] = stack_.back().keyLines.emplace(key, line);
        if (fresh || !found_.ok()) return;
        found_ = ErrorAt(
            {line, mark.column + 1},
            at->second == line
                ? Fill(Tr("interchange", "the key %1 is given twice in one mapping, on line %2"),
                       {QuoteInput(key), std::to_string(line)})
                : Fill(Tr("interchange",
                          "the key %1 is given twice in one mapping, on lines %2 and %3"),
                       {QuoteInput(key), std::to_string(at->second), std::to_string(line)}));
    }

    std::vector<Level> stack_;
    Status found_ = Status::Ok();
};

}  // namespace

Status CheckDuplicateYamlKeys(std::string_view text) {
    std::istringstream in{std::string(text)};
    YAML::Parser parser(in);
    KeyWatch watch;
    while (parser.HandleNextDocument(watch))
        if (!watch.Found().ok()) break;
    return watch.Found();
}

}  // namespace dpmr
