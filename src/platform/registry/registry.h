#pragma once
// The machine-wide settings shared with the drawing side and the installer: string values under keys such
// as "SOFTWARE\Veltra\Running State". Kept in one small SQLite file so that several processes can read and
// write them at once; each value is written whole.
#include <string>

namespace registry {

// The settings file: $VELTRA_REGISTRY, else ${XDG_CONFIG_HOME:-~/.config}/veltra/registry.db.
std::string StorePath();

// Stores `value` under "SOFTWARE\Veltra\<section>", creating the key. Failures are silent.
void WriteSetting(const std::string& section, const std::string& name, const std::string& value);

// The value under "SOFTWARE\Veltra\<section>", or "" when the key or the value is missing. Creates nothing.
std::string ReadSetting(const std::string& section, const std::string& name);

// As ReadSetting, with the complete key path below the machine root ("SoftWare\Halvex\Arvo3D\Path").
std::string ReadMachineValue(const std::string& keyPath, const std::string& name);

// Writes a value under a complete key path (the installer's side; tests use it).
void WriteMachineValue(const std::string& keyPath, const std::string& name, const std::string& value);

// True when the key exists (written at least once).
bool KeyExists(const std::string& keyPath);

inline const char* const kRootKey = "SOFTWARE\\Veltra\\";

}  // namespace registry
