#pragma once
// A settings store of the test's own, and the rows of a database file as another program reads them
// (implemented in test_support.cpp).
#include <string>
#include <vector>

namespace testing_support {

// Points the settings store (VELTRA_REGISTRY) at `path` for as long as it lives, then back at the one before.
// The cases of one test program run side by side: with a store each, one case's settings never show in
// another's.
class OwnSettingsStore {
public:
    explicit OwnSettingsStore(const std::string& path);
    ~OwnSettingsStore();  // the store before, or none
    OwnSettingsStore(const OwnSettingsStore&) = delete;
    OwnSettingsStore& operator=(const OwnSettingsStore&) = delete;

private:
    std::string previous_;
};

// The rows `sql` gives on the database file at `path`, read with SQLite alone, as another program finds them;
// no rows when the file cannot be opened or read. Opened for writing, SQLite first rolls back what a killed
// writer left half done, as the next program to write would.
std::vector<std::vector<std::string>> RawRows(const std::string& path, const std::string& sql,
                                              bool openForWriting = false);

}  // namespace testing_support
