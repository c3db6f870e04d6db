#pragma once
// Record editors for the tests: each records what it was shown and answers as the test tells it.
#include <functional>
#include <vector>

#include "platform/interaction/record_editor.h"

class FakeRecordEditor : public ui::RecordEditor {
public:
    explicit FakeRecordEditor(std::function<bool(ui::EditRequest&)> answer) : answer_(std::move(answer)) {}
    bool edit(ui::EditRequest& request) override {
        // The picture maker's code lives in the module, which is released once its entry point returns:
        // the pictures are drawn now and the copy keeps none.
        shown.push_back(request);
        shown.back().plots = nullptr;
        drawn.push_back(request.plots ? request.plots(request.tables) : std::vector<ui::Plot>{});
        return answer_(request);
    }
    std::vector<ui::EditRequest> shown;        // each request as it arrived, without its picture maker
    std::vector<std::vector<ui::Plot>> drawn;  // the pictures of each as proposed

    static FakeRecordEditor Cancelling() {
        return FakeRecordEditor([](ui::EditRequest&) { return false; });
    }

private:
    std::function<bool(ui::EditRequest&)> answer_;
};

// The column of a field in a proposed table; -1 when it has none.
inline int ColumnOf(const ui::ProposedTable& table, const std::string& field) {
    for (std::size_t c = 0; c < table.fields.size(); ++c)
        if (table.fields[c] == field) return static_cast<int>(c);
    return -1;
}
