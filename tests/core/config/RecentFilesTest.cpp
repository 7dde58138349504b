// The recent files list: newest first, no repeats, at most eight, kept in its
// own file in the user's settings folder and read back by the next run.
#include "config/RecentFiles.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "support/TempDir.h"

namespace dpmr {
namespace {

using Paths = std::vector<std::string>;

TEST(RecentFiles, NewestFirstNoRepeatsEightKeptAndReadBack) {
    test::TempDir dir;
    setenv("XDG_CONFIG_HOME", dir.File("config").c_str(), 1);
    const std::string file = RecentFilesPath();
    unsetenv("XDG_CONFIG_HOME");
    EXPECT_EQ(file, dir.File("config/dpmrcps/RecentFiles.ini"));
    // The user's Program.ini is never made: its existence moves the port.
    {
        RecentFiles recent(file);
        EXPECT_TRUE(recent.Paths().empty());
        for (int k = 1; k <= 10; ++k) recent.Add("/radio/" + std::to_string(k) + ".dat");
        recent.Add("/radio/5.dat");          // again: moves to the front
        recent.Add(std::string(300, 'x'));   // too long to keep
        recent.Add("/radio/new\nline.dat");  // would break the file
        EXPECT_EQ(recent.Paths(),
                  (Paths{"/radio/5.dat", "/radio/10.dat", "/radio/9.dat", "/radio/8.dat",
                         "/radio/7.dat", "/radio/6.dat", "/radio/4.dat", "/radio/3.dat"}));
        recent.Remove("/radio/9.dat");
    }
    EXPECT_FALSE(std::filesystem::exists(dir.File("config/dpmrcps/Program.ini")));
    const RecentFiles next(file);
    EXPECT_EQ(next.Paths(), (Paths{"/radio/5.dat", "/radio/10.dat", "/radio/8.dat", "/radio/7.dat",
                                   "/radio/6.dat", "/radio/4.dat", "/radio/3.dat"}));
    // Without a settings folder the list lasts for the run only.
    RecentFiles memory("");
    memory.Add("/a.dat");
    EXPECT_EQ(memory.Paths(), Paths{"/a.dat"});
}

}  // namespace
}  // namespace dpmr
