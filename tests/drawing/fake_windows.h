#pragma once
// The desktop as the drawing link sees it, made up by a test: the top-level windows in z-order, the
// messages sent to them, and a drawing host that records its main extension when it is loaded.
#include <utility>
#include <vector>

#include "drawing/acad_window.h"
#include "platform/registry/registry.h"

struct FakeWindows : drawing::WindowSystem {
    std::vector<drawing::TopLevelWindow> windows;
    std::vector<std::pair<std::intptr_t, windows::CopyData>> sent;
    windows::SendResult result = windows::SendResult::Delivered;
    std::int32_t answer = 1;
    bool broken = false;
    bool hostRecordsExtension = false;

    std::vector<drawing::TopLevelWindow> TopLevelWindows() override {
        if (broken) throw windows::DirectoryError("无法读取窗口目录“/run/user/1/veltra-windows”。");
        return windows;
    }
    windows::SendOutcome SendCopyData(std::intptr_t to, const windows::CopyData& data) override {
        sent.emplace_back(to, data);
        if (hostRecordsExtension && windows::RecordText(data) == "(arxload \"Ombrix.arx\") ")
            registry::WriteSetting("Loaded ARX Application", "AppName", "Ombrix.arx");
        return {result, answer};
    }
    std::vector<std::string> texts() const {
        std::vector<std::string> t;
        for (const auto& [to, data] : sent) t.push_back(windows::RecordText(data));
        return t;
    }
};
