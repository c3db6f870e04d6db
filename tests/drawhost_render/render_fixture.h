#pragma once
// Projects for the renderer's tests, made as a user makes them: the new-project wizard's Finish and, where
// asked, the route imported from the sample route file over the bridge extent.
#include <string>
#include <vector>

#include "support/test_support.h"

namespace drawhost_test {

struct ProjectRecipe {
    // 上构布置信息 rows: structure type, spans in the section, span length.
    std::vector<std::vector<std::string>> sections = {{"装配式简支空心板桥", "3", "20"}};
    bool withRoute = true;
};

// Creates the project at `path` and returns it.
std::string MakeProject(const std::string& path, const ProjectRecipe& recipe = {});

}  // namespace drawhost_test
