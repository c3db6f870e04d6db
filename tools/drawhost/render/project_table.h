#pragma once
// The drawing host reads the project's own tables (general information, the drawing layout) with the bridge
// model's table reader. What that reader tells as a finding (a table that cannot be read, a value that is no
// number) is a fault the drawing cannot go on from: it stops the drawing with the finding's words.
#include <stdexcept>
#include <vector>

#include "bridge/bridge_model.h"

namespace drawhost {

inline void StopAtFinding(const std::vector<bridge::Finding>& findings) {
    if (!findings.empty()) throw std::runtime_error(findings.front().text);
}

}  // namespace drawhost
