#include "kv_source_dir.h"
#include "core/kv_settings.h"
#include "core/kv_texts.h"
#include "core/macro_lang_strings.h"

#include <cstdlib>
#include <fstream>

#include <gtest/gtest.h>

#include "core/kv_properties_list.h"
#include "core/file_layer.h"
#include "temp_folder.h"

namespace {

// Points every setting at a test's own folders and restores the environment afterwards.
class SettingsTest : public ::testing::Test {
protected:
    void SetUp() override {
        for (const char* name : kNames) {
            const char* value = std::getenv(name);
            saved_.emplace_back(name, value ? std::optional<std::string>(value) : std::nullopt);
            unsetenv(name);
        }
        setenv("KV_SETTINGS_FILE", (config_.text() + "settings.txt").c_str(), 1);
        Kv_Texts::reload();
    }
    void TearDown() override {
        for (auto& [name, value] : saved_) {
            if (value)
                setenv(name, value->c_str(), 1);
            else
                unsetenv(name);
        }
        Kv_Texts::reload();
    }
    void writeTable(const std::string& file, const std::string& text) {
        ASSERT_TRUE(ObjectExportWriteBytes(Kv_String(install_.text()) + "texts/" + file, text));
    }

    void writeLabels(const std::string& file, const std::string& text) {
        ASSERT_TRUE(ObjectExportWriteBytes(Kv_String(install_.text()) + "labels/" + file, text));
    }

    static constexpr const char* kNames[] = {"KV_LIB_DIR", "KV_DIR", "KV_LANGUAGE", "KV_SETTINGS_FILE"};
    std::vector<std::pair<const char*, std::optional<std::string>>> saved_;
    TempFolder config_, install_;
};

}  // namespace

TEST_F(SettingsTest, DefaultsToTheBundledFolders) {
    EXPECT_EQ(Kv_Settings::libDir(), Kv_String((kvSourceDir() + "/library/").c_str()));
    EXPECT_EQ(Kv_Settings::kvDir(), Kv_String((kvSourceDir() + "/install/").c_str()));
    EXPECT_EQ(Kv_Settings::language(), "en");
}

TEST_F(SettingsTest, SettingsFileThenEnvironmentOverride) {
    Kv_PropertiesList file;
    file.setProperty("libDir", "/from/file");
    file.setProperty("kvDir", "/from/file/install/");
    file.setProperty("language", "de");
    ASSERT_TRUE(file.writeToFile(config_.text() + "settings.txt"));
    EXPECT_EQ(Kv_Settings::libDir(), "/from/file/");
    EXPECT_EQ(Kv_Settings::kvDir(), "/from/file/install/");
    EXPECT_EQ(Kv_Settings::language(), "de");
    setenv("KV_LIB_DIR", "/from/env", 1);
    EXPECT_EQ(Kv_Settings::libDir(), "/from/env/");
}

TEST_F(SettingsTest, TextsComeFromTheTablesAndMissingNumbersAreMarked) {
    setenv("KV_DIR", install_.text().c_str(), 1);
    writeTable("dialog.en.txt", "# captions\n1\tOK\n2\tCancel\n836\tDesign \\x22area\\x22\n");
    writeTable("message.en.txt", "2333\tValue\n");
    EXPECT_EQ(dialString(1), "OK");
    EXPECT_EQ(dialString(836), "Design \"area\"");
    EXPECT_EQ(string(2333), "Value");
    EXPECT_EQ(dialString(1234), "#1234");
    EXPECT_EQ(string(1), "#1");  // the two tables are separate
    EXPECT_FALSE(Kv_Texts::has(Kv_Texts::Table::Dialog, 1234));
}

TEST_F(SettingsTest, OtherLanguageFallsBackToEnglishPerNumber) {
    setenv("KV_DIR", install_.text().c_str(), 1);
    writeTable("dialog.en.txt", "1\tOK\n2\tCancel\n");
    writeTable("dialog.nl.txt", "2\tAnnuleren\n");
    setenv("KV_LANGUAGE", "nl", 1);
    EXPECT_EQ(dialString(2), "Annuleren");
    EXPECT_EQ(dialString(1), "OK");
}

TEST_F(SettingsTest, LabelsByNameAndGroupFallBackToEnglishThenToTheName) {
    setenv("KV_DIR", install_.text().c_str(), 1);
    writeLabels("labels.en.txt",
                "# labels\nbase_plate\t\tBase plate\nend_plate\t\tEnd plate\r\nProf\tH\tHeight\nbroken line\n");
    writeLabels("labels.nl.txt", "base_plate\t\tVoetplaat\n");
    setenv("KV_LANGUAGE", "nl", 1);
    EXPECT_EQ(MacroLangs::GetString("base_plate", ""), "Voetplaat");
    EXPECT_EQ(MacroLangs::GetString("end_plate", ""), "End plate");
    EXPECT_EQ(MacroLangs::GetString("Prof", "H"), "Height");
    // The sub-key is part of the key, keys compare exactly, and without a label the name
    // (the sub-key when there is one) stays.
    EXPECT_EQ(MacroLangs::GetString("H", ""), "H");
    EXPECT_EQ(MacroLangs::GetString("Prof", "B"), "B");
    EXPECT_EQ(MacroLangs::GetString("Base_plate", ""), "Base_plate");
    EXPECT_EQ(MacroLangs::GetString("broken line", ""), "broken line");
}

TEST_F(SettingsTest, TemplateLabelsKeepTheirSymbolsAroundTheTranslatedName) {
    setenv("KV_DIR", install_.text().c_str(), 1);
    writeLabels("labels.en.txt", "Width\t\tWidth\nplate_t\t\tThickness\n");
    writeLabels("labels.nl.txt", "Width\t\tBreedte\nplate_t\t\tDikte \\\\ t\n");
    setenv("KV_LANGUAGE", "nl", 1);
    EXPECT_EQ(MacroLangs::GetStringChopSymbols("Width:"), "Breedte:");
    EXPECT_EQ(MacroLangs::GetStringChopSymbols("* plate_t (mm) ="), "* plate_t (mm) =");
    EXPECT_EQ(MacroLangs::GetStringChopSymbols("(plate_t)"), "(Dikte \\ t)");
    EXPECT_EQ(MacroLangs::GetStringChopSymbols(" -- "), " -- ");
    EXPECT_EQ(MacroLangs::GetStringChopSymbols("Height:"), "Height:");
}

TEST_F(SettingsTest, MalformedTableKeepsTextsBeforeTheFault) {
    std::map<int, std::string> texts;
    int faultLine = 0;
    EXPECT_FALSE(Kv_Texts::parseTable("1\tOK\nx2\tbad\n3\tlater\n", texts, &faultLine));
    EXPECT_EQ(faultLine, 2);
    EXPECT_EQ(texts.size(), 1u);
    EXPECT_FALSE(Kv_Texts::parseTable("1 OK\n", texts));
    EXPECT_FALSE(Kv_Texts::parseTable("-1\tneg\n", texts));
}

TEST(BundledTexts, OkAndCancelExist) {
    Kv_Texts::reload();
    if (std::getenv("KV_DIR")) GTEST_SKIP() << "another installation folder is set";
    EXPECT_EQ(dialString(1), "OK");
    EXPECT_EQ(dialString(2), "Cancel");
}

TEST(BundledTexts, EveryShippedTableParses) {
    Kv_StringArray files;
    ASSERT_TRUE(ObjectExportFindFiles((kvSourceDir() + "/install/texts").c_str(), "*.txt", files));
    ASSERT_GE(files.length(), 2);
    for (const Kv_String& file : files) {
        std::string bytes;
        ASSERT_TRUE(ObjectExportReadBytes(file, bytes));
        std::map<int, std::string> texts;
        int faultLine = 0;
        EXPECT_TRUE(Kv_Texts::parseTable(bytes, texts, &faultLine)) << file << ":" << faultLine;
        EXPECT_FALSE(texts.empty()) << file;
    }
}
