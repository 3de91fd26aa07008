#pragma once
// TwTempResourceOverride: switches which binary's resources (dialog templates, bitmaps, icons)
// are searched first.  A module keeps one, told its own resource table at load;
// SetDefaultResource puts the module's table first, RestoreOriginalResource puts back the
// table that was first when the module's table was set (the host's).  Calls do not count
// nesting: a restore always returns to the host's order, even inside an outer switch, as the
// host's own override object does.
//
// Scope is the form every exported function uses: it switches on construction and restores on
// destruction, so an exception passing through still restores the host's order.

namespace win {
struct ResourceTable;
}

class TwTempResourceOverride {
public:
    TwTempResourceOverride() = default;
    virtual ~TwTempResourceOverride() = default;
    TwTempResourceOverride(const TwTempResourceOverride&) = delete;
    TwTempResourceOverride& operator=(const TwTempResourceOverride&) = delete;

    // Remembers the module's table and the table that is first now (the host's).
    void SetModuleResource(const win::ResourceTable* moduleTable);
    const win::ResourceTable* moduleResource() const { return module_; }
    // False (nothing changed) when no module table was set.
    bool SetDefaultResource();
    void RestoreOriginalResource();

    class Scope {
    public:
        explicit Scope(TwTempResourceOverride& override) : override_(override) { override_.SetDefaultResource(); }
        ~Scope() { override_.RestoreOriginalResource(); }
        Scope(const Scope&) = delete;
        Scope& operator=(const Scope&) = delete;

    private:
        TwTempResourceOverride& override_;
    };

private:
    const win::ResourceTable* module_ = nullptr;
    const win::ResourceTable* original_ = nullptr;
};
