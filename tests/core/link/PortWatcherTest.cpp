// Cables that come and go: a pseudo-terminal appears under a watched folder
// (as the kernel makes /dev/ttyUSB0) and goes again; other names are not
// ports.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <stdlib.h>
#include <unistd.h>

#include <filesystem>

#include "link/ConnectionDoctor.h"
#include "link/PortWatcher.h"
#include "support/TempDir.h"

namespace dpmr::test {
namespace {

using Change = PortChange::Kind;

// The changes the watcher reports until `count` have come (the bound only
// fails a hung test).
std::vector<PortChange> Changes(PortWatcher& watcher, std::size_t count) {
    std::vector<PortChange> all;
    while (all.size() < count && watcher.Wait(30000)) {
        const std::vector<PortChange> more = watcher.TakeChanges();
        all.insert(all.end(), more.begin(), more.end());
    }
    return all;
}

TEST(PortWatcher, FollowsAPortThatAppearsAndGoes) {
    TempDir dev;
    PortWatcher watcher(dev.path());
    ASSERT_TRUE(watcher.Watching());
    EXPECT_TRUE(watcher.TakeChanges().empty());
    const int master = ::posix_openpt(O_RDWR | O_NOCTTY);
    ASSERT_GE(master, 0);
    ASSERT_EQ(::grantpt(master), 0);
    ASSERT_EQ(::unlockpt(master), 0);
    const std::string pty = ::ptsname(master);
    std::filesystem::create_symlink(pty, dev.File("notes.txt"));
    std::filesystem::create_symlink(pty, dev.File("ttyUSB7"));
    const std::string port = dev.File("ttyUSB7");
    EXPECT_EQ(Changes(watcher, 1), (std::vector<PortChange>{{Change::kAdded, port}}));
    // What the lists then say of it: the port it leads to.
    const PortDiagnosis d = CheckPort(port);
    EXPECT_TRUE(d.Usable()) << DiagnosisText(d);
    EXPECT_TRUE(d.Has(FindingKind::kVirtualPort));
    std::filesystem::remove(port);
    ::close(master);
    EXPECT_EQ(Changes(watcher, 1), (std::vector<PortChange>{{Change::kRemoved, port}}));
    std::filesystem::create_symlink(pty, dev.File("ttyACM0.tmp"));
    std::filesystem::rename(dev.File("ttyACM0.tmp"), dev.File("ttyACM0"));
    EXPECT_EQ(Changes(watcher, 1),
              (std::vector<PortChange>{{Change::kAdded, dev.File("ttyACM0")}}));
    EXPECT_FALSE(PortWatcher(dev.File("no-folder")).Watching());
}

}  // namespace
}  // namespace dpmr::test
