#pragma once
// The host's system registry: a dictionary of named service objects.  Applications look up
// "DynamicLinker" (load/unload bookkeeping) and "ACAD_REGISTERED_COMMANDS" (the command
// stack) in it.  The registry owns its entries; they live until the host ends.

#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#define ACRX_DYNAMIC_LINKER "DynamicLinker"
#define ACRX_COMMAND_DOCK "ACAD_REGISTERED_COMMANDS"

class AcRxObject {
public:
    virtual ~AcRxObject() = default;
};

class AcRxDictionary {
public:
    // nullptr when nothing is registered under the name (names compare exactly).
    AcRxObject* at(const char* name) const;
    // Stores the object under the name, replacing (and deleting) a previous one.
    void atPut(const char* name, std::unique_ptr<AcRxObject> object);
    bool remove(const char* name);

private:
    std::map<std::string, std::unique_ptr<AcRxObject>, std::less<>> entries_;
};

// Tracks which applications may be unloaded while the host runs and which declared that they
// work with several open drawings.  Applications are named by their handle.
class AcRxDynamicLinker : public AcRxObject {
public:
    static AcRxDynamicLinker* cast(AcRxObject* object);

    bool unlockApplication(void* appHandle);
    bool lockApplication(void* appHandle);
    bool isApplicationLocked(void* appHandle) const;
    bool registerAppMDIAware(void* appHandle);
    bool isAppMDIAware(void* appHandle) const;
    // Forgets everything about an application (the host does this after unloading it).
    void forgetApplication(void* appHandle);

private:
    std::set<void*> unlocked_;
    std::set<void*> mdiAware_;
};

// Command groups with their commands.  Removing a group removes all its commands.
class AcEdCommandStack : public AcRxObject {
public:
    using CommandFunction = void (*)();

    static AcEdCommandStack* cast(AcRxObject* object);

    // Adds a command to a group (created when new).  Fails with false when the group already
    // holds a command of that global name.
    bool addCommand(const char* groupName, const char* globalName, const char* localName, int flags,
                    CommandFunction function);
    // True when the group existed.
    bool removeGroup(const char* groupName);
    bool removeCmd(const char* groupName, const char* globalName);
    bool hasGroup(const char* groupName) const;
    std::vector<std::string> groupNames() const;
    std::vector<std::string> commandsOf(const char* groupName) const;
    // Runs a command by global or local name, searching groups newest first.
    bool runCommand(const char* name) const;

private:
    struct Command {
        std::string globalName, localName;
        int flags = 0;
        CommandFunction function = nullptr;
    };
    struct Group {
        std::string name;
        std::vector<Command> commands;
    };
    std::vector<Group> groups_;  // in the order they were first used
};

// The single registry of the process, created with its two standard entries on first use.
AcRxDictionary* acrxSysRegistry();
// Puts the registry back to its freshly created state (tests, and the host between runs).
void acrxResetSysRegistry();

#define acrxDynamicLinker AcRxDynamicLinker::cast(acrxSysRegistry()->at(ACRX_DYNAMIC_LINKER))
#define acedRegCmds AcEdCommandStack::cast(acrxSysRegistry()->at(ACRX_COMMAND_DOCK))
