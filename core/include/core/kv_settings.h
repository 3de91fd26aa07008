#pragma once
// Kv_Settings: the library folder and the installation folder.
//
// Each is taken from the first of:
//   1. the environment variable (KV_LIB_DIR, KV_DIR);
//   2. the settings file, a property list (kv_properties_list.h) with the strings "libDir",
//      "kvDir" and "language"; its path is $KV_SETTINGS_FILE, else
//      $XDG_CONFIG_HOME/karvel/settings.txt, else ~/.config/karvel/settings.txt;
//   3. the bundled samples of the source tree: library/ and install/.
// Both folders come back with a trailing separator, so that callers can append
// "prof\" and the like.  Nothing is cached: a changed environment or file takes effect on the
// next call.

#include "core/kv_string.h"

class Kv_Settings {
public:
    static Kv_String libDir();
    static Kv_String kvDir();
    // The language of the text tables: $KV_LANGUAGE, else the settings file, else "en".
    static Kv_String language();
    // The settings file path in use (whether it exists or not).
    static Kv_String settingsFile();
};
