#include "app/last_resort.h"

#include <exception>
#include <new>

#include "platform/dao/dao_exception.h"

namespace app {

namespace {

std::string WhatHappened() {
    try {
        throw;
    } catch (const dao::DaoException& e) {
        return e.m_bHasErrorInfo ? e.m_strDescription + "   (" + std::to_string(e.m_lErrorCode) + ")"
                                 : "数据库错误   (" + std::to_string(e.m_scode) + ")";
    } catch (const std::bad_alloc&) {
        return "内存不足";
    } catch (const std::exception& e) {
        return std::string("内部错误（") + e.what() + "）";
    } catch (...) {
        return "未知错误";
    }
}

}  // namespace

std::string EscapedErrorMessage(const std::string& command) {
    return "命令“" + command + "”因意外错误中止：" + WhatHappened() + "。";
}

std::string CommandNameOf(const std::string& menuText) {
    std::string name = menuText;
    if (auto paren = name.find("(&"); paren != std::string::npos) name.erase(paren, name.find(')', paren) - paren + 1);
    for (auto amp = name.find('&'); amp != std::string::npos; amp = name.find('&')) name.erase(amp, 1);
    while (name.size() >= 3 && name.compare(name.size() - 3, 3, "...") == 0) name.resize(name.size() - 3);
    return name;
}

}  // namespace app
