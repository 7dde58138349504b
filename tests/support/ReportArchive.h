// ReportArchive: a configuration with an identity of its own (radio ID,
// name, kill and active codes, alarm ID, two contacts) and what it looks
// like as text and on the wire, and a problem report's archive unpacked by
// the system's tar, for the tests that no identity value leaves in a report.
#pragma once

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "dpmr/ContactRecord.h"
#include "form/DtmfSymbols.h"
#include "image/RadioImage.h"
#include "support/TempDir.h"
#include "support/ToolRun.h"

namespace dpmr::test {

struct KnownIdentity {
    RadioImage image;
    // Each value as a text and as the bytes a trace shows ("02 03 ...").
    std::vector<std::string> texts;
    std::vector<std::string> wire;
};

inline KnownIdentity WithKnownIdentity(RadioImage image) {
    KnownIdentity k;
    const auto hex = [](const std::vector<std::uint8_t>& bytes) {
        std::string text;
        char b[4];
        for (std::size_t i = 0; i < bytes.size(); ++i) {
            std::snprintf(b, sizeof b, i ? " %02x" : "%02x", bytes[i]);
            text += b;
        }
        return text;
    };
    const auto digits = [&](std::size_t off, const std::string& id) {
        WriteDtmfSymbols(image, off, 7, id);
        k.texts.push_back(id);
        k.wire.push_back(hex({image.Span(off, 7).begin(), image.Span(off, 7).end()}));
    };
    const auto name = [&](std::size_t off, const std::string& text) {
        image.SetText(off, 8, text);
        k.texts.push_back(text);
        k.wire.push_back(
            hex({image.Span(off, text.size()).begin(), image.Span(off, text.size()).end()}));
    };
    digits(0x388, "2345678");  // radio ID
    name(0x3F88, "FOXTROT");   // radio name
    digits(0x4B0, "3456789");  // kill code
    digits(0x4B8, "4567890");  // active code
    digits(0x360, "5678901");  // alarm ID
    for (int slot : {1, 2}) {
        const std::size_t record = contact::SlotOffset(slot);
        const std::string number = slot == 1 ? "7654321" : "6543217";
        const std::string who = slot == 1 ? "Quebec" : "Yankee";
        contact::WriteNew(image, record, number, who);
        k.texts.push_back(number);
        k.texts.push_back(who);
        k.wire.push_back(hex({image.Span(record, 7).begin(), image.Span(record, 7).end()}));
        k.wire.push_back(hex({image.Span(record + 8, 6).begin(), image.Span(record + 8, 6).end()}));
    }
    k.image = image;
    return k;
}

// Every file of a .tar.gz, by its path under the archive's one folder.
inline std::map<std::string, std::string> UnpackReport(const std::string& archive) {
    TempDir dir;
    EXPECT_EQ(std::system(("tar -xzf '" + archive + "' -C '" + dir.path() + "'").c_str()), 0);
    std::map<std::string, std::string> files;
    for (const auto& e : std::filesystem::recursive_directory_iterator(dir.path())) {
        if (!e.is_regular_file()) continue;
        const std::string path = e.path().string().substr(dir.path().size());
        files[path.substr(path.find('/') + 1)] = FileText(e.path().string());
    }
    return files;
}

}  // namespace dpmr::test
