#include "win/registry.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

#include <unistd.h>

namespace {

// Each test gets its own registry file in a fresh folder; the previous location comes back
// afterwards.
class RegistryTest : public testing::Test {
protected:
    void SetUp() override {
        dir_ = std::filesystem::temp_directory_path() / ("winres_registry_" + std::to_string(::getpid()) + "_" +
                                                         testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::remove_all(dir_);
        file_ = (dir_ / "config" / "registry.json").string();
        win::setRegistryFile(file_);
    }
    void TearDown() override {
        win::setRegistryFile("");
        std::filesystem::remove_all(dir_);
    }

    HKEY create(HKEY root, const char* path, REGSAM access = KEY_ALL_ACCESS) {
        HKEY key = nullptr;
        EXPECT_EQ(RegCreateKeyEx(root, path, 0, nullptr, REG_OPTION_NON_VOLATILE, access, nullptr, &key, nullptr),
                  ERROR_SUCCESS);
        return key;
    }
    static void setString(HKEY key, const char* name, const std::string& value) {
        ASSERT_EQ(
            RegSetValueEx(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()), DWORD(value.size() + 1)),
            ERROR_SUCCESS);
    }
    static void setNumber(HKEY key, const char* name, DWORD value) {
        ASSERT_EQ(RegSetValueEx(key, name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value), 4), ERROR_SUCCESS);
    }
    static std::string getString(HKEY key, const char* name) {
        char buffer[256] = {};
        DWORD size = sizeof buffer, type = 0;
        long status = RegQueryValueEx(key, name, nullptr, &type, reinterpret_cast<BYTE*>(buffer), &size);
        if (status != ERROR_SUCCESS) return "<error " + std::to_string(status) + ">";
        if (type != REG_SZ) return "<type " + std::to_string(type) + ">";
        return std::string(buffer, size - 1);
    }
    std::string fileText() const {
        std::ifstream in(file_, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }
    // Drops what the process holds in memory so that the next call reads the file again.
    void reload() { win::setRegistryFile(file_); }

    std::filesystem::path dir_;
    std::string file_;
};

const char* kSheetKey = "Software\\Tornwick\\Spreadsheet Editor v1.0";

}  // namespace

TEST_F(RegistryTest, ValuesSurviveAReload) {
    HKEY key = create(HKEY_LOCAL_MACHINE, kSheetKey);
    setString(key, "Language", "EN");
    setString(key, "Default Settings", "metric \xB0 \xE4");  // code page 1252 bytes
    setNumber(key, "Width", 0xFFFFFFF0u);
    RegCloseKey(key);

    reload();
    HKEY again = nullptr;
    ASSERT_EQ(RegOpenKeyEx(HKEY_LOCAL_MACHINE, kSheetKey, 0, KEY_READ, &again), ERROR_SUCCESS);
    EXPECT_EQ(getString(again, "Language"), "EN");
    EXPECT_EQ(getString(again, "Default Settings"), "metric \xB0 \xE4");
    DWORD number = 0, size = sizeof number, type = 0;
    ASSERT_EQ(RegQueryValueEx(again, "Width", nullptr, &type, reinterpret_cast<BYTE*>(&number), &size), ERROR_SUCCESS);
    EXPECT_EQ(type, REG_DWORD);
    EXPECT_EQ(number, 0xFFFFFFF0u);
    RegCloseKey(again);

    // The file stays ASCII: the bytes above 0x7F are escaped.
    std::string text = fileText();
    for (unsigned char c : text) EXPECT_LT(c, 0x80);
    EXPECT_NE(text.find("\\u00b0"), std::string::npos);
}

TEST_F(RegistryTest, NamesIgnoreCaseAndKeepFirstSpelling) {
    HKEY key = create(HKEY_CURRENT_USER, "Software\\Karvel\\Dialogs");
    setNumber(key, "DLG_Select_Macro", 1);
    setNumber(key, "dlg_select_macro", 2);
    RegCloseKey(key);

    HKEY other = nullptr;
    ASSERT_EQ(RegOpenKeyEx(HKEY_CURRENT_USER, "SOFTWARE\\karvel\\DIALOGS", 0, KEY_READ, &other), ERROR_SUCCESS);
    DWORD value = 0, size = 4;
    ASSERT_EQ(RegQueryValueEx(other, "DLG_SELECT_MACRO", nullptr, nullptr, reinterpret_cast<BYTE*>(&value), &size),
              ERROR_SUCCESS);
    EXPECT_EQ(value, 2u);
    RegCloseKey(other);
    std::string text = fileText();
    EXPECT_NE(text.find("Software\\\\Karvel\\\\Dialogs"), std::string::npos);
    EXPECT_NE(text.find("DLG_Select_Macro"), std::string::npos);
    EXPECT_EQ(text.find("dlg_select_macro"), std::string::npos);
}

TEST_F(RegistryTest, CaseFoldingCoversCp1252Letters) {
    HKEY key = create(HKEY_CURRENT_USER, "Software\\\xC4nderung");  // A-umlaut
    setString(key,
              "Gr\xD6\xDF"
              "e",
              "x");  // O-umlaut, sharp s
    RegCloseKey(key);
    HKEY same = nullptr;
    ASSERT_EQ(RegOpenKeyEx(HKEY_CURRENT_USER, "software\\\xE4nderung", 0, KEY_READ, &same), ERROR_SUCCESS);
    EXPECT_EQ(getString(same,
                        "gr\xF6\xDF"
                        "e"),
              "x");
    RegCloseKey(same);
}

TEST_F(RegistryTest, HivesAreSeparateAndMissingThingsAreNotFound) {
    HKEY key = create(HKEY_CURRENT_USER, "Software\\Karvel");
    setString(key, "Only", "user");
    RegCloseKey(key);
    HKEY machine = nullptr;
    EXPECT_EQ(RegOpenKeyEx(HKEY_LOCAL_MACHINE, "Software\\Karvel", 0, KEY_READ, &machine), ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(machine, nullptr);

    HKEY user = nullptr;
    ASSERT_EQ(RegOpenKeyEx(HKEY_CURRENT_USER, "Software\\Karvel", 0, KEY_READ, &user), ERROR_SUCCESS);
    EXPECT_EQ(getString(user, "Absent"), "<error 2>");
    RegCloseKey(user);
    // Creating a deep key makes the keys above it.
    HKEY parent = nullptr;
    ASSERT_EQ(RegOpenKeyEx(HKEY_CURRENT_USER, "Software", 0, KEY_READ, &parent), ERROR_SUCCESS);
    RegCloseKey(parent);
}

TEST_F(RegistryTest, CreateReportsDisposition) {
    HKEY key = nullptr;
    DWORD disposition = 0;
    ASSERT_EQ(
        RegCreateKeyEx(HKEY_CURRENT_USER, "Software\\New", 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, &disposition),
        ERROR_SUCCESS);
    EXPECT_EQ(disposition, REG_CREATED_NEW_KEY);
    RegCloseKey(key);
    ASSERT_EQ(
        RegCreateKeyEx(HKEY_CURRENT_USER, "software\\NEW", 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, &disposition),
        ERROR_SUCCESS);
    EXPECT_EQ(disposition, REG_OPENED_EXISTING_KEY);
    RegCloseKey(key);
}

TEST_F(RegistryTest, QuerySizesAndSmallBuffers) {
    HKEY key = create(HKEY_CURRENT_USER, "Software\\Sizes");
    setString(key, "Text", "hello");
    DWORD size = 0, type = 0;
    ASSERT_EQ(RegQueryValueEx(key, "Text", nullptr, &type, nullptr, &size), ERROR_SUCCESS);
    EXPECT_EQ(size, 6u);  // the terminating zero counts
    char small[3] = {'x', 'x', 'x'};
    size = sizeof small;
    EXPECT_EQ(RegQueryValueEx(key, "Text", nullptr, nullptr, reinterpret_cast<BYTE*>(small), &size), ERROR_MORE_DATA);
    EXPECT_EQ(size, 6u);
    EXPECT_EQ(small[0], 'x');  // nothing written on failure
    EXPECT_EQ(RegQueryValueEx(key, "Text", nullptr, nullptr, reinterpret_cast<BYTE*>(small), nullptr),
              ERROR_INVALID_PARAMETER);
    RegCloseKey(key);
}

TEST_F(RegistryTest, DeleteValueAndDefaultValue) {
    HKEY key = create(HKEY_CURRENT_USER, "Software\\Delete");
    setString(key, nullptr, "default");
    setString(key, "Gone", "soon");
    EXPECT_EQ(RegDeleteValue(key, "GONE"), ERROR_SUCCESS);
    EXPECT_EQ(RegDeleteValue(key, "Gone"), ERROR_FILE_NOT_FOUND);
    RegCloseKey(key);
    reload();
    HKEY again = create(HKEY_CURRENT_USER, "Software\\Delete");
    EXPECT_EQ(getString(again, "Gone"), "<error 2>");
    EXPECT_EQ(getString(again, ""), "default");
    RegCloseKey(again);
}

TEST_F(RegistryTest, AccessRightsAndBadHandlesAreRefused) {
    HKEY readOnly = create(HKEY_CURRENT_USER, "Software\\Rights", KEY_READ);
    DWORD one = 1;
    EXPECT_EQ(RegSetValueEx(readOnly, "x", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&one), 4), ERROR_ACCESS_DENIED);
    EXPECT_EQ(RegDeleteValue(readOnly, "x"), ERROR_ACCESS_DENIED);
    EXPECT_EQ(RegCloseKey(readOnly), ERROR_SUCCESS);
    // A closed handle is refused, not followed.
    EXPECT_EQ(RegSetValueEx(readOnly, "x", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&one), 4), ERROR_INVALID_HANDLE);
    EXPECT_EQ(RegCloseKey(readOnly), ERROR_INVALID_HANDLE);

    HKEY writable = create(HKEY_CURRENT_USER, "Software\\Rights", KEY_WRITE);
    EXPECT_EQ(RegSetValueEx(writable, "x", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&one), 3),
              ERROR_INVALID_PARAMETER);
    EXPECT_EQ(RegSetValueEx(writable, "x", 0, 11 /* REG_QWORD */, reinterpret_cast<const BYTE*>(&one), 4),
              ERROR_INVALID_PARAMETER);
    RegCloseKey(writable);
}

TEST_F(RegistryTest, CorruptFileReadsEmptyAndIsKeptUntilTheNextChange) {
    std::filesystem::create_directories(std::filesystem::path(file_).parent_path());
    const std::string garbage = "{ \"format\": \"karvel-registry\", \"keys\": [ {\"path\": 12 } ";
    {
        std::ofstream out(file_, std::ios::binary);
        out << garbage;
    }
    reload();
    HKEY key = nullptr;
    EXPECT_EQ(RegOpenKeyEx(HKEY_CURRENT_USER, "Software", 0, KEY_READ, &key), ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(fileText(), garbage);

    key = create(HKEY_CURRENT_USER, "Software\\Fresh");
    setString(key, "v", "1");
    RegCloseKey(key);
    EXPECT_NE(fileText(), garbage);
    reload();
    HKEY again = nullptr;
    ASSERT_EQ(RegOpenKeyEx(HKEY_CURRENT_USER, "Software\\Fresh", 0, KEY_READ, &again), ERROR_SUCCESS);
    EXPECT_EQ(getString(again, "v"), "1");
    RegCloseKey(again);
}

TEST_F(RegistryTest, WellFormedJsonWithWrongShapesIsCorrupt) {
    std::filesystem::create_directories(std::filesystem::path(file_).parent_path());
    for (const char* text :
         {"[]", "{\"format\": \"other\", \"keys\": []}",
          "{\"format\": \"karvel-registry\", \"keys\": [{\"path\": \"HKEY_CURRENT_USER\\\\A\", \"values\": "
          "[{\"name\": \"n\", \"type\": \"REG_DWORD\", \"data\": \"text\"}]}]}",
          "{\"format\": \"karvel-registry\", \"keys\": [{\"path\": \"HKEY_CURRENT_USER\\\\A\", \"values\": "
          "[{\"name\": \"n\", \"type\": \"REG_DWORD\", \"data\": 4294967296}]}]}"}) {
        {
            std::ofstream out(file_, std::ios::binary);
            out << text;
        }
        reload();
        HKEY key = nullptr;
        EXPECT_EQ(RegOpenKeyEx(HKEY_CURRENT_USER, "A", 0, KEY_READ, &key), ERROR_FILE_NOT_FOUND) << text;
    }
}

TEST_F(RegistryTest, UnwritableLocationFailsAndChangesNothing) {
    // A folder where the file should be: the write must fail and memory must not pretend otherwise.
    std::filesystem::create_directories(file_);
    reload();
    HKEY key = nullptr;
    EXPECT_EQ(RegCreateKeyEx(HKEY_CURRENT_USER, "Software\\X", 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr),
              ERROR_WRITE_FAULT);
    EXPECT_EQ(key, nullptr);
    EXPECT_EQ(RegOpenKeyEx(HKEY_CURRENT_USER, "Software\\X", 0, KEY_READ, &key), ERROR_FILE_NOT_FOUND);
    EXPECT_FALSE(std::filesystem::exists(file_ + ".tmp"));
}

TEST_F(RegistryTest, DefaultLocationFollowsEnvironment) {
    win::setRegistryFile("");
    const char* saved = std::getenv("KV_REGISTRY_FILE");
    std::string savedValue = saved ? saved : "";
    setenv("KV_REGISTRY_FILE", "/tmp/elsewhere.json", 1);
    EXPECT_EQ(win::registryFile(), "/tmp/elsewhere.json");
    unsetenv("KV_REGISTRY_FILE");
    const char* config = std::getenv("XDG_CONFIG_HOME");
    std::string savedConfig = config ? config : "";
    setenv("XDG_CONFIG_HOME", "/tmp/cfg", 1);
    EXPECT_EQ(win::registryFile(), "/tmp/cfg/karvel/registry.json");
    if (savedConfig.empty())
        unsetenv("XDG_CONFIG_HOME");
    else
        setenv("XDG_CONFIG_HOME", savedConfig.c_str(), 1);
    if (!savedValue.empty()) setenv("KV_REGISTRY_FILE", savedValue.c_str(), 1);
    win::setRegistryFile(file_);
    EXPECT_EQ(win::registryFile(), file_);
}
