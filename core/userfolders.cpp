#include "core/userfolders.h"

#include <cstdlib>
#include <filesystem>
#include <fcntl.h>
#include <unistd.h>

#include "core/fileio.h"

namespace vrek {

namespace {
constexpr const char *kSettingsName = "vrek.ini";

std::string withSlash(std::string d) { return d.empty() || d.back() == '/' ? d : d + '/'; }
}  // namespace

bool canKeepFilesIn(const std::string &folder) {
    std::error_code ec;
    std::filesystem::path p = std::filesystem::absolute(folder.empty() ? "." : folder, ec);
    if (ec) return false;
    const std::string dir = p.lexically_normal().string();
    for (const char *system : {"/usr", "/opt", "/bin", "/sbin", "/lib", "/lib64", "/snap"}) {
        const std::string s = system;
        if (dir == s || dir.rfind(s + '/', 0) == 0) return false;
    }
    // Asking for the permission bits would say yes to root everywhere, and
    // no on a read-only mount only by luck: creating a file tells.
    std::string probe = withSlash(dir) + ".vrek-XXXXXX";
    const int fd = ::mkstemp(probe.data());
    if (fd < 0) return false;
    ::close(fd);
    ::unlink(probe.c_str());
    return true;
}

std::string userConfigFolder() {
    if (const char *x = std::getenv("XDG_CONFIG_HOME"); x && x[0] == '/') return withSlash(x);
    if (const char *h = std::getenv("HOME"); h && h[0]) return withSlash(h) + ".config/";
    return {};
}

std::string settingsFileToRead(const std::string &programFolder, bool programFolderWritable,
                               const std::string &configFolder) {
    const std::string beside = withSlash(programFolder) + kSettingsName;
    if (programFolderWritable || configFolder.empty()) return beside;
    const std::string mine = withSlash(configFolder) + "vrek/" + kSettingsName;
    return fileExists(mine) ? mine : beside;
}

std::string runningProgramFolder() {
    std::error_code ec;
    const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", ec);
    return ec ? std::string() : withSlash(self.parent_path().string());
}

}  // namespace vrek
