#pragma once
// Settings written together: the values of one choice reach the shared store at once or not at all.
#include "platform/registry/registry.h"

namespace registry {

// Gathers the values this process writes while it lives and stores them at Commit in one transaction:
// another program sees all of them or none, also when this one ends half way. Reads of this process see
// the gathered values. Without Commit nothing is stored. A batch opened while another is open joins it:
// the outer one decides.
class SettingsBatch {
  public:
    SettingsBatch();
    ~SettingsBatch();
    SettingsBatch(const SettingsBatch&) = delete;
    SettingsBatch& operator=(const SettingsBatch&) = delete;
    // Raises SettingsError when the store cannot be written; nothing of the batch is stored then.
    void Commit();

  private:
    bool joined_ = false;
};

}  // namespace registry
