#pragma once
// The machine-wide settings shared with the drawing side and the installer: string values under keys such
// as "SOFTWARE\Veltra\Running State". Kept in one small SQLite file so that several processes can read and
// write them at once; each value is written whole.
#include <stdexcept>
#include <string>

namespace registry {

// A settings store that exists but cannot be read, or that cannot be written. The text says so in Chinese.
class SettingsError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// The settings file: $VELTRA_REGISTRY, else ${XDG_CONFIG_HOME:-~/.config}/veltra/registry.db.
std::string StorePath();

// Stores `value` under "SOFTWARE\Veltra\<section>", creating the key. Failures are silent: the windows
// write their settings in passing and go on.
void WriteSetting(const std::string& section, const std::string& name, const std::string& value);

// As WriteSetting, but a store that cannot be written raises SettingsError (for the command line).
void WriteSettingOrThrow(const std::string& section, const std::string& name, const std::string& value);

// The value under "SOFTWARE\Veltra\<section>", or "" when the store, the key or the value is missing.
// Creates nothing. A store that is there but cannot be read raises SettingsError: a failed read is never
// taken for a missing value.
std::string ReadSetting(const std::string& section, const std::string& name);

// As ReadSetting, with the complete key path below the machine root ("SoftWare\Halvex\Arvo3D\Path").
std::string ReadMachineValue(const std::string& keyPath, const std::string& name);

// Writes a value under a complete key path (the installer's side; tests use it). Raises SettingsError when
// the store cannot be written.
void WriteMachineValue(const std::string& keyPath, const std::string& name, const std::string& value);

// True when the key exists (written at least once). Raises SettingsError as ReadSetting does.
bool KeyExists(const std::string& keyPath);

inline const char* const kRootKey = "SOFTWARE\\Veltra\\";

}  // namespace registry
