#pragma once
// DlgMacroSettings: the macro settings dialog (resource 8141), a tab dialog over its own copy
// of a macro's MacroSettingsData, with five pages: angle filters, distance and size filters,
// template lists, table settings and list settings.
//
// The filter, table and list pages write into the copy when their windows are destroyed,
// which happens inside the modal run after OK and after Cancel alike; the template lists page
// writes only on OK.  The launcher (constraints::editMacroSettings) takes the copy back only
// on OK, so Cancel writes nothing however much the pages stored.

#include "constraints/filter_pages.h"
#include "constraints/settings_pages.h"
#include "core/records/macro_settings_data.h"
#include "host/acui_dialog.h"

class DlgMacroSettings : public CAcUiTabMainDialog {
public:
    explicit DlgMacroSettings(CWnd* parent = nullptr);

    MacroSettingsData settings;

    BOOL OnInitDialog() override;
    void OnOK() override;

    AngleFilterPage& anglePage() { return anglePage_; }
    DistanceFilterPage& distancePage() { return distancePage_; }
    TemplateListsPage& templatePage() { return templatePage_; }
    TableSettingsPage& tablePage() { return tablePage_; }
    ListSettingsPage& listPage() { return listPage_; }

private:
    AngleFilterPage anglePage_;
    DistanceFilterPage distancePage_;
    TemplateListsPage templatePage_;
    TableSettingsPage tablePage_;
    ListSettingsPage listPage_;
};
