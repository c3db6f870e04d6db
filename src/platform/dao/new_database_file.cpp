#include "platform/dao/new_database_file.h"

#include <signal.h>
#include <unistd.h>

#include <cctype>
#include <cerrno>
#include <cstdio>
#include <filesystem>

#include "platform/text/gbk_file.h"

namespace dao {
namespace {

// A name that text::CreateFileBeside gives: "." + target name + "." + pid + "." + counter + ".tmp", with
// "-journal" after it for the journal of a database built there. Returns the pid, or 0 for other names.
pid_t WriterOf(const std::string& name) {
    if (name.size() < 2 || name[0] != '.') return 0;
    std::string stem = name;
    auto cutEnding = [&stem](const std::string& ending) {
        if (stem.size() <= ending.size() || stem.compare(stem.size() - ending.size(), ending.size(), ending) != 0)
            return false;
        stem.resize(stem.size() - ending.size());
        return true;
    };
    cutEnding("-journal");
    if (!cutEnding(".tmp")) return 0;
    auto digitsBefore = [&stem](std::string::size_type end) {
        auto begin = end;
        while (begin > 0 && std::isdigit(static_cast<unsigned char>(stem[begin - 1]))) --begin;
        return begin;
    };
    auto counterStart = digitsBefore(stem.size());
    if (counterStart == stem.size() || counterStart < 2 || stem[counterStart - 1] != '.') return 0;
    auto pidEnd = counterStart - 1;
    auto pidStart = digitsBefore(pidEnd);
    if (pidStart == pidEnd || pidStart < 2 || stem[pidStart - 1] != '.' || pidEnd - pidStart > 9) return 0;
    return static_cast<pid_t>(std::stol(stem.substr(pidStart, pidEnd - pidStart)));
}

bool StillRuns(pid_t pid) { return pid == ::getpid() || ::kill(pid, 0) == 0 || errno != ESRCH; }

void RemoveQuietly(const std::string& path) {
    std::remove(path.c_str());
    std::remove((path + "-journal").c_str());
}

}  // namespace

NewDatabaseFile::NewDatabaseFile(std::string target, std::string noun)
    : target_(std::move(target)), noun_(std::move(noun)) {
    if (target_.empty()) throw DaoException(kErrIo, "没有给出" + noun_ + "名。");
    std::error_code ec;
    if (std::filesystem::is_directory(target_, ec))
        throw DaoException(kErrIo, "'" + target_ + "' 是一个文件夹，不能用作" + noun_ + "。");
    RemoveLeftoversBeside(target_);
    building_ = text::CreateFileBeside(target_);
    if (building_.empty()) throw DaoException(kErrIo, "无法创建" + noun_ + " '" + target_ + "'。");
    try {
        db_ = Database::Create(building_);
        writing_.emplace(*db_);
    } catch (const DaoException& e) {
        db_.reset();
        RemoveQuietly(building_);
        throw DaoException(e.m_lErrorCode, "无法创建" + noun_ + " '" + target_ + "'：" + e.m_strDescription);
    }
}

NewDatabaseFile::~NewDatabaseFile() {
    if (moved_) return;
    try {
        if (writing_) writing_->Rollback();
    } catch (const DaoException&) {
        // The half-made file is removed below all the same.
    }
    db_.reset();
    RemoveQuietly(building_);
}

void NewDatabaseFile::Commit() {
    const std::string notWritten = "无法写入" + noun_ + " '" + target_ + "'，原有文件未改变";
    try {
        writing_->Commit();
    } catch (const DaoException& e) {
        throw DaoException(e.m_lErrorCode, notWritten + "：" + e.m_strDescription);
    }
    db_->Close();
    if (!text::MoveFileIntoPlace(building_, target_)) throw DaoException(kErrIo, notWritten + "。");
    moved_ = true;
}

int RemoveLeftoversBeside(const std::string& path) {
    std::error_code ec;
    std::filesystem::path folder = std::filesystem::path(path).parent_path();
    if (folder.empty()) folder = ".";
    int removed = 0;
    std::filesystem::directory_iterator it(folder, ec), end;
    for (; !ec && it != end; it.increment(ec)) {
        const std::string name = it->path().filename().string();
        pid_t writer = WriterOf(name);
        if (writer <= 0 || StillRuns(writer)) continue;
        std::error_code typeError;
        if (!it->is_regular_file(typeError)) continue;
        if (std::filesystem::remove(it->path(), typeError)) ++removed;
    }
    return removed;
}

}  // namespace dao
