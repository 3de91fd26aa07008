#pragma once
// The two filter pages of the macro settings dialog: angle filters (page 8142: axis angle and
// section angle) and distance and size filters (page 213: path distance and section size).
// Each shows its kinds with FilterKind and pictures of its filters on disabled picture
// buttons.  When its window is destroyed (after OK and after Cancel alike) a page writes its
// top check box and both selected entries into the dialog's record; the dialog's launcher
// decides whether that record reaches the macro.

#include <array>
#include <memory>
#include <vector>

#include "constraints/filter_kind.h"
#include "core/cbutton_st.h"
#include "core/records/macro_settings_data.h"
#include "host/acui_dialog.h"
#include "spread/kv_spread.h"

class FilterPage : public CAcUiTabChildDialog {
public:
    FilterPage(UINT templateId, int topCheckId);

    MacroSettingsData* settings = nullptr;

    BOOL OnInitDialog() override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    void OnDestroy() override;

protected:
    struct Picture {
        int id;
        const char* file;
    };
    virtual bool& topFlag() = 0;
    // Before the kinds are shown (the section-angle sheet is attached here).
    virtual void prepare() {}
    virtual void setLabels() = 0;
    virtual void createKinds() = 0;
    virtual std::vector<Picture> pictures() const = 0;
    virtual bool onPageCommand(int /*id*/, int /*code*/) { return false; }

    std::array<std::unique_ptr<FilterKind>, 2> kinds_;

private:
    int topCheckId_;
    std::array<CButtonST, 3> pictures_;
};

class AngleFilterPage : public FilterPage {
public:
    AngleFilterPage();
    Kv_Spread& sectionSheet() { return sectionSheet_; }

protected:
    bool& topFlag() override { return settings->filterSettings.useAngleFilters; }
    void prepare() override;
    void setLabels() override;
    void createKinds() override;
    std::vector<Picture> pictures() const override;
    bool onPageCommand(int id, int code) override;

private:
    Kv_Spread sectionSheet_;
    CButtonST addRow_, deleteRow_;
};

class DistanceFilterPage : public FilterPage {
public:
    DistanceFilterPage();

protected:
    bool& topFlag() override { return settings->filterSettings.useDistanceFilters; }
    void setLabels() override;
    void createKinds() override;
    std::vector<Picture> pictures() const override;
};
