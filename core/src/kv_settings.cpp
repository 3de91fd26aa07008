#include "core/kv_settings.h"

#include <cstdlib>
#include <filesystem>

#include "core/kv_properties_list.h"
#include "core/path_mapping.h"

namespace {

Kv_String environment(const char* name) {
    const char* value = std::getenv(name);
    return Kv_String(value ? value : "");
}

// The settings file as last read; read again when its path, time or size changes, so that
// texts looked up by the thousand do not read the file each time.
const Kv_PropertiesList& settingsList() {
    static Kv_String cachedPath;
    static std::filesystem::file_time_type cachedTime;
    static std::uintmax_t cachedSize = 0;
    static Kv_PropertiesList cached;
    Kv_String path = Kv_Settings::settingsFile();
    std::error_code ec;
    std::filesystem::path hostPath = kvMapPath(path);
    auto time = std::filesystem::last_write_time(hostPath, ec);
    if (ec) {
        cached.clear();
        cachedPath.clear();
        return cached;
    }
    std::uintmax_t size = std::filesystem::file_size(hostPath, ec);
    if (path != cachedPath || time != cachedTime || size != cachedSize) {
        // A malformed file still gives what it held before the fault.
        cached.readFromFile(path);
        cachedPath = path;
        cachedTime = time;
        cachedSize = size;
    }
    return cached;
}

// A value from the settings file; empty when the file or the name is missing.
Kv_String fromSettingsFile(const char* name) {
    Kv_String value;
    settingsList().getProperty(name, value);
    return value;
}

Kv_String folderWithEnd(Kv_String folder) {
    if (!folder.isEmpty() && !kvIsPathSeparator(folder.at(folder.length() - 1))) folder.append('/');
    return folder;
}

// The folder that holds the bundled "library" and "install" folders, found from the running
// program as an installed program finds its data: prefix/share/karvel beside prefix/bin, or,
// in a build tree, the source folder the build lies in. No path of the building machine is
// compiled in, so a tree moved or cloned elsewhere still finds its own data.
const std::filesystem::path& bundledRoot() {
    static const std::filesystem::path root = [] {
        std::error_code ec;
        std::filesystem::path dir = std::filesystem::read_symlink("/proc/self/exe", ec).parent_path();
        // A folder that is not there sets the error code of is_directory; it must not end the
        // walk up, so the checks have their own.
        std::error_code missing;
        for (; !ec && !dir.empty(); dir = dir.parent_path()) {
            if (std::filesystem::is_directory(dir / "share/karvel/install/texts", missing))
                return dir / "share/karvel";
            if (std::filesystem::is_directory(dir / "install/texts", missing) &&
                std::filesystem::is_directory(dir / "library", missing))
                return dir;
            if (dir == dir.root_path()) break;
        }
        return std::filesystem::path(".");
    }();
    return root;
}

Kv_String folderSetting(const char* variable, const char* settingName, const char* bundled) {
    Kv_String folder = environment(variable);
    if (folder.isEmpty()) folder = fromSettingsFile(settingName);
    if (folder.isEmpty()) folder = kvNameFromDisk(bundledRoot() / bundled);
    return folderWithEnd(folder);
}

}  // namespace

Kv_String Kv_Settings::settingsFile() {
    Kv_String path = environment("KV_SETTINGS_FILE");
    if (!path.isEmpty()) return path;
    Kv_String config = environment("XDG_CONFIG_HOME");
    if (config.isEmpty()) {
        Kv_String home = environment("HOME");
        if (home.isEmpty()) return {};
        config = home + "/.config";
    }
    return config + "/karvel/settings.txt";
}

Kv_String Kv_Settings::libDir() { return folderSetting("KV_LIB_DIR", "libDir", "library"); }

Kv_String Kv_Settings::kvDir() { return folderSetting("KV_DIR", "kvDir", "install"); }

Kv_String Kv_Settings::language() {
    Kv_String language = environment("KV_LANGUAGE");
    if (language.isEmpty()) language = fromSettingsFile("language");
    if (language.isEmpty()) language = "en";
    return language;
}
