#include "winres_test_ids.h"

#include "win/bitmap.h"
#include "win/resource.h"
#include "win/styles.h"

#include <gtest/gtest.h>

namespace {

win::ResourceTable tableWithDialog(const std::string& name, int id, const std::string& caption) {
    win::ResourceTable table;
    table.name = name;
    win::DialogTemplate& d = table.dialogs[id];
    d.id = id;
    d.caption = caption;
    return table;
}

// Registers tables for one test and restores the chain however the test ends.
class ChainGuard {
public:
    explicit ChainGuard(std::initializer_list<const win::ResourceTable*> tables) : tables_(tables) {
        previousFirst_ = win::firstResourceTable();
        for (const auto* t : tables_) win::registerResourceTable(t);
    }
    ~ChainGuard() {
        for (const auto* t : tables_) win::unregisterResourceTable(t);
        win::setFirstResourceTable(previousFirst_);
    }

private:
    std::vector<const win::ResourceTable*> tables_;
    const win::ResourceTable* previousFirst_ = nullptr;
};

std::string captionOf(int id) {
    const win::DialogTemplate* d = win::findDialogTemplate(id);
    return d ? d->caption : "<none>";
}

}  // namespace

TEST(ResourceChain, CompiledScriptIsRegisteredAtLoad) {
    const win::ResourceTable* table = win::findResourceTable("winres_test");
    ASSERT_NE(table, nullptr);
    const win::DialogTemplate* d = win::findDialogTemplate(IDD_WINRES_MAIN);
    ASSERT_NE(d, nullptr);
    EXPECT_EQ(d, &table->dialogs.at(IDD_WINRES_MAIN));
    EXPECT_EQ(d->caption, "Angle 90\xB0 \"quoted\"");
    EXPECT_EQ(d->cx, 240);
    ASSERT_EQ(d->controls.size(), 6u);
    EXPECT_EQ(d->controls[1].id, IDC_WINRES_NAME);
    EXPECT_EQ(d->controls[1].className, "EDIT");
    EXPECT_EQ(d->controls[2].id, IDC_WINRES_KIND);
    EXPECT_EQ(d->controls[2].style & 0x3u, CBS_DROPDOWNLIST);
    EXPECT_EQ(d->controls[3].text, "#" + std::to_string(IDI_WINRES_APP));
    EXPECT_EQ(d->controls[4].style, WS_CHILD | WS_VISIBLE | BS_DEFPUSHBUTTON | WS_TABSTOP);
}

TEST(ResourceChain, CompiledPicturesDecode) {
    const std::vector<uint8_t>* on = win::findBitmapResource(IDB_WINRES_CHECK_ON);
    ASSERT_NE(on, nullptr);
    win::LoadResult r = win::decodeImage(on->data(), on->size());
    ASSERT_TRUE(r.ok) << r.error;
    EXPECT_EQ(r.bitmap.at(0, 0), 0xFF000000u);
    EXPECT_EQ(r.bitmap.at(1, 0), 0xFFFFFFFFu);
    ASSERT_NE(win::findBitmapResource(IDB_WINRES_CHECK_OFF), nullptr);

    const std::vector<uint8_t>* icon = win::findIconResource(IDI_WINRES_APP);
    ASSERT_NE(icon, nullptr);
    win::LoadResult i = win::decodeImage(icon->data(), icon->size());
    ASSERT_TRUE(i.ok) << i.error;
    EXPECT_EQ(i.bitmap.at(0, 1) >> 24, 0u);  // the masked corner
    EXPECT_EQ(i.bitmap.at(0, 0), 0xFF0000FFu);
    EXPECT_EQ(i.bitmap.at(1, 1), 0xFF0000FFu);
}

TEST(ResourceChain, MissingIdsGiveNull) {
    EXPECT_EQ(win::findDialogTemplate(987654), nullptr);
    EXPECT_EQ(win::findBitmapResource(987654), nullptr);
    EXPECT_EQ(win::findIconResource(IDB_WINRES_CHECK_ON), nullptr);  // a bitmap id is not an icon
    EXPECT_EQ(win::findResourceTable("no such table"), nullptr);
}

TEST(ResourceChain, RegistrationOrderThenSwitchedFirstTable) {
    win::ResourceTable host = tableWithDialog("host", 7000, "host");
    host.dialogs[7001].caption = "host only";
    win::ResourceTable module = tableWithDialog("module", 7000, "module");
    ChainGuard guard({&host, &module});

    EXPECT_EQ(captionOf(7000), "host");
    const win::ResourceTable* previous = win::setFirstResourceTable(&module);
    EXPECT_EQ(previous, nullptr);
    EXPECT_EQ(win::firstResourceTable(), &module);
    EXPECT_EQ(captionOf(7000), "module");
    EXPECT_EQ(captionOf(7001), "host only");  // the rest of the chain is still searched

    EXPECT_EQ(win::setFirstResourceTable(previous), &module);
    EXPECT_EQ(captionOf(7000), "host");
}

TEST(ResourceChain, UnregisteredTableIsNoLongerSearchedEvenAsFirst) {
    win::ResourceTable host = tableWithDialog("host", 7100, "host");
    win::ResourceTable plugin = tableWithDialog("plugin", 7100, "plugin");
    ChainGuard guard({&host});
    win::registerResourceTable(&plugin);
    win::setFirstResourceTable(&plugin);
    EXPECT_EQ(captionOf(7100), "plugin");
    win::unregisterResourceTable(&plugin);
    EXPECT_EQ(win::firstResourceTable(), nullptr);
    EXPECT_EQ(captionOf(7100), "host");
    EXPECT_EQ(win::findResourceTable("plugin"), nullptr);
}

TEST(ResourceChain, RegisteringTwiceKeepsOneEntry) {
    win::ResourceTable a = tableWithDialog("twice", 7200, "a");
    ChainGuard guard({&a});
    win::registerResourceTable(&a);
    win::unregisterResourceTable(&a);
    EXPECT_EQ(win::findDialogTemplate(7200), nullptr);
}
