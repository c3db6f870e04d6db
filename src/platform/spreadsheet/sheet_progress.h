#pragma once
// How a long pass over a sheet (finding a text, writing a file) tells how far it has come and learns that
// the user cancelled it. No window here: the control shows it in a progress dialog.
#include <cstdint>
#include <functional>

namespace sheet {

// Called now and then with the work done so far out of the whole; returning false cancels the pass.
using Progress = std::function<bool(std::int64_t done, std::int64_t total)>;

// What a cancelled write leaves in its error text (the file it was to replace stays as it was).
inline constexpr const char* kWriteCancelled = "已取消写文件，原有文件保持不变。";

}  // namespace sheet
