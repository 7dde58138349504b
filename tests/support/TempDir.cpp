// Temporary test folders.
#include "support/TempDir.h"

#include <stdlib.h>

#include <filesystem>
#include <stdexcept>

namespace dpmr::test {

TempDir::TempDir() {
    std::string tmpl = "/tmp/dpmrtest.XXXXXX";
    if (!::mkdtemp(tmpl.data())) throw std::runtime_error("mkdtemp failed");
    path_ = tmpl + "/";
}

TempDir::~TempDir() {
    std::error_code ec;
    std::filesystem::remove_all(path_, ec);
}

}  // namespace dpmr::test
