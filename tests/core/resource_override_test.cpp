#include "core/tw_temp_resource_override.h"

#include <stdexcept>

#include <gtest/gtest.h>

#include "win/resource.h"

namespace {

class ResourceOverrideTest : public ::testing::Test {
protected:
    void SetUp() override {
        host_.name = "test-host";
        module_.name = "test-module";
        host_.dialogs[9500].caption = "host";
        module_.dialogs[9500].caption = "module";
        module_.dialogs[9501].caption = "module only";
        win::registerResourceTable(&host_);
        win::registerResourceTable(&module_);
        previous_ = win::setFirstResourceTable(&host_);
        override_.SetModuleResource(&module_);
    }
    void TearDown() override {
        win::setFirstResourceTable(previous_);
        win::unregisterResourceTable(&module_);
        win::unregisterResourceTable(&host_);
    }
    static std::string captionOf(int id) {
        const win::DialogTemplate* tmpl = win::findDialogTemplate(id);
        return tmpl ? tmpl->caption : "(none)";
    }

    win::ResourceTable host_, module_;
    const win::ResourceTable* previous_ = nullptr;
    TwTempResourceOverride override_;
};

}  // namespace

TEST_F(ResourceOverrideTest, ScopeLooksInTheModuleFirst) {
    EXPECT_EQ(captionOf(9500), "host");
    {
        TwTempResourceOverride::Scope scope(override_);
        EXPECT_EQ(captionOf(9500), "module");
    }
    EXPECT_EQ(captionOf(9500), "host");
    EXPECT_EQ(captionOf(9501), "module only");  // found further down the chain either way
}

TEST_F(ResourceOverrideTest, NestedScopeEndingRestoresTheHostOrder) {
    TwTempResourceOverride::Scope outer(override_);
    { TwTempResourceOverride::Scope inner(override_); }
    EXPECT_EQ(captionOf(9500), "host");
}

TEST_F(ResourceOverrideTest, ExceptionPassingThroughRestores) {
    try {
        TwTempResourceOverride::Scope scope(override_);
        throw std::runtime_error("dialog failed");
    } catch (const std::runtime_error&) {
    }
    EXPECT_EQ(captionOf(9500), "host");
}

TEST_F(ResourceOverrideTest, WithoutModuleTableNothingChanges) {
    TwTempResourceOverride empty;
    EXPECT_FALSE(empty.SetDefaultResource());
    empty.RestoreOriginalResource();
    EXPECT_EQ(captionOf(9500), "host");
}
