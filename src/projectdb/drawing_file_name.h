#pragma once
// A drawing's file name (图形布置信息表.FileName, without extension) names the files the drawing host
// writes beside the project. A project may come from someone else, so the name must not lead out of the
// project's folder: no absolute path, no "..". Checked where a name is typed or carried into a project;
// the host checks again, links included, before it writes.
#include <optional>
#include <string>

#include "platform/dao/database.h"
#include "platform/interaction/interaction.h"

namespace projectdb {

// What is wrong with `fileName`, in Chinese, or nothing. An empty name passes: the host then names the
// files after the drawing's title, which it checks itself.
std::optional<std::string> DrawingFileNameProblem(const std::string& fileName);

// The first wrong file name of a project's drawing list, with the record it stands in; nothing for a
// project without a drawing list. Raises dao::DaoException.
std::optional<std::string> DrawingListProblem(dao::Database& db);

// Before the drawing list of `source` is copied into a project: true when a file name of it is refused
// (the message has been shown). A list that cannot be read is left to the copy to report.
bool RefuseForeignDrawingList(dao::Database& source, ui::Prompter& prompt);

}  // namespace projectdb
