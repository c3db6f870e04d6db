#pragma once
// The box cross-sections that go with a box girder elevation in a preview: those of a cross-section table
// whose "用于" names the elevation's family, at mid-span ("跨中") and at the supports ("支点").
#include <string>
#include <vector>

#include "library/library_browse.h"

namespace library {

inline constexpr const char* kMidSpan = "跨中";
inline constexpr const char* kSupport = "支点";
inline constexpr const char* kChooseBothSections = "请分别在“跨中断面”和“支点断面”列表中选择一项。";

// What the chooser hands back: the chosen cross-section table and the dimensions of the mid-span section
// followed by those of the support section.
struct ChosenSections {
    std::string kind;
    std::vector<std::string> values;
};

// The sections of `table` at `position` used for `family`, with the table's captioned columns.
EntryList SectionEntries(dao::Database& db, const std::string& table, const std::string& family,
                         const std::string& position);

// The chooser's overview for one of its lists: "断面类型" and "满足条件的断面个数" per table.
EntryList SectionOverview(dao::Database& db, const std::vector<std::string>& tables, const std::string& family,
                          const std::string& position);

// The dimensions of a section row: from its first dimension column (after "位置") to "内腔 d".
std::vector<std::string> SectionDimensions(const std::vector<std::string>& row);

// The chooser's result for one mid-span and one support row of `kind`.
ChosenSections ChooseSections(const std::string& kind, const std::vector<std::string>& midSpanRow,
                              const std::vector<std::string>& supportRow);

}  // namespace library
