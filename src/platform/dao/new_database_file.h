#pragma once
// A database file written as a whole (a new project, a new library, a copy): it is built in a file of its
// own beside the target and takes the target's place only once it is complete and on disk. At every moment
// the target holds the old file or the whole new one; a failure or a crash never leaves a part of either.
#include <memory>
#include <optional>
#include <string>

#include "platform/dao/database.h"

namespace dao {

class NewDatabaseFile {
public:
    // Creates the file to build in (its name holds the id of this process, so that a leftover of a process
    // that ended can be told apart) and begins one transaction on it. Leftovers of ended processes beside
    // `target` are removed first. An empty path and a folder are refused with a DaoException; so is a folder
    // in which no file can be made.
    // `noun` names the kind of file in the messages ("项目文件", "构件库文件").
    explicit NewDatabaseFile(std::string target, std::string noun = "文件");
    // Without Commit the half-made file and its journal are removed; the target stays as it was.
    ~NewDatabaseFile();
    NewDatabaseFile(const NewDatabaseFile&) = delete;
    NewDatabaseFile& operator=(const NewDatabaseFile&) = delete;

    Database& db() { return *db_; }
    const std::string& target() const { return target_; }

    // Commits the transaction, closes the file, makes it durable and moves it onto the target. Raises a
    // DaoException naming the target when any of it fails; the target then stays as it was.
    void Commit();

private:
    std::string target_;
    std::string noun_;
    std::string building_;
    std::unique_ptr<Database> db_;
    std::optional<Transaction> writing_;  // ended by Commit or the destructor, never left to its scope
    bool moved_ = false;
};

// Removes, from the folder of `path`, the half-made files (and their journals) that writers of this program
// left when they were killed: hidden files named after a target with a process id and a ".tmp" ending,
// whose process no longer runs. Files of running processes and everything else are left alone.
// Returns how many files went. Database::Open runs it for every open for writing, and every
// NewDatabaseFile before it starts; a write to a file opened read-only (or that the user may not write)
// is refused by the Transaction that begins it, with kErrReadOnly, before anything is written.
int RemoveLeftoversBeside(const std::string& path);

}  // namespace dao
