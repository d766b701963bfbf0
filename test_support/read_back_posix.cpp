#include "test_support/read_back.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <unistd.h>

#include <sys/wait.h>

namespace trevalo::test_support {

std::pair<int, std::string> read_back(std::string command, const std::vector<std::string>& files)
{
    std::vector<std::string> paths;
    for (const std::string& bytes : files) {
        paths.push_back(::testing::TempDir() + "trevalo_export_XXXXXX");
        // A file that could not be made or written fails in the reader.
        ::close(::mkstemp(paths.back().data()));
        std::ofstream(paths.back(), std::ios::binary) << bytes;
        command += " '" + paths.back() + "'";
    }
    FILE* pipe = ::popen((command + " 2>&1").c_str(), "r");
    std::string output;
    char buffer[4096];
    for (std::size_t got; pipe && (got = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;)
        output.append(buffer, got);
    const int status = pipe ? ::pclose(pipe) : -1;
    for (const std::string& path : paths)
        std::remove(path.c_str());
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, output};
}

std::string missing(const std::string& probe, const std::string& reason)
{
    return std::system((probe + " > /dev/null 2>&1").c_str()) == 0 ? std::string() : "needs " + reason;
}

}  // namespace trevalo::test_support
