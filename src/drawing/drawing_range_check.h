#pragma once
// The check that a general drawing covers members of one type only. A superstructure drawing's title names
// its spans ("空心板一般构造图(1,2,3跨)"), a substructure drawing's title its supports
// ("桥墩一般构造图(1,2号)"); the check reads the type of each from the layout tables.
#include <string>
#include <vector>

#include "platform/dao/database.h"
#include "platform/interaction/interaction.h"

namespace drawing {

enum class RangeCheck { Uniform, Mixed, Unreadable };

// The numbers between "(" and the closing "跨)" or "号)", in title order. A run written "5-9" (long bridges
// get their titles shortened so) stands for every number of the run.
std::vector<long> RangeNumbers(const std::string& title);

// Uniform when every span the title names has the same StructureType. One number passes without reading.
// A layout table that can't be read shows "不能打开上构布置明细表。" and gives Unreadable. A span the table
// does not hold matches no other.
RangeCheck CheckSuperRangeOf(dao::Database& db, const std::string& title, ui::Prompter& prompt);
// The same over the supports and their four member types; "不能打开下构布置信息表。".
RangeCheck CheckSubRangeOf(dao::Database& db, const std::string& title, ui::Prompter& prompt);

// 1 when all members the title names are of one type, else 0 (a table that can't be read gives 0 after its
// message).
int CheckSuperRange(dao::Database& db, const std::string& title, ui::Prompter& prompt);
int CheckSubRange(dao::Database& db, const std::string& title, ui::Prompter& prompt);

}  // namespace drawing
