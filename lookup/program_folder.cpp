#include "lookup/program_folder.h"

#include <system_error>

namespace icao {

std::filesystem::path programFolder(const char* argv0) {
    std::error_code error;
    auto executable = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error) {
        executable = std::filesystem::absolute(argv0 ? argv0 : "", error);
    }
    return executable.parent_path();
}

} // namespace icao
