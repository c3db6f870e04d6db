#include "calc/pier_json.h"

#include <cmath>
#include <limits>

#include <nlohmann/json.hpp>

namespace calc {
namespace {

using nlohmann::json;

struct JsonError {
    std::string what;
};

double Real(const json& object, const char* key, double fallback, const std::string& where) {
    auto it = object.find(key);
    if (it == object.end()) return fallback;
    if (!it->is_number()) throw JsonError{where + "\"" + key + "\" 应为数值"};
    return it->get<double>();
}

int Whole(const json& object, const char* key, int fallback, const std::string& where) {
    auto it = object.find(key);
    if (it == object.end()) return fallback;
    if (!it->is_number_integer()) throw JsonError{where + "\"" + key + "\" 应为整数"};
    auto value = it->get<long long>();
    if (value < std::numeric_limits<int>::min() || value > std::numeric_limits<int>::max())
        throw JsonError{where + "\"" + key + "\" 超出整数范围"};
    return static_cast<int>(value);
}

CPier PierFromJson(const json& item, int index) {
    std::string where = std::to_string(index) + "号桥墩: ";
    if (!item.is_object()) throw JsonError{where + "应为对象"};
    CPier pier;
    pier.m_dStake = Real(item, "stake", 0, where);
    pier.m_nColumns = Whole(item, "columns", 0, where);
    pier.m_dHeight = Real(item, "height", 0, where);
    pier.m_nGrade = Whole(item, "grade", 0, where);
    pier.m_nBearings = Whole(item, "bearings", 0, where);
    pier.m_dBearingHeight = Real(item, "bearingHeight", 0, where);
    pier.m_dBearingArea = Real(item, "bearingArea", 0, where);
    pier.m_dShearModulus = Real(item, "shearModulus", 666, where);
    bool circle = item.contains("circle"), rect = item.contains("rect");
    if (circle == rect) throw JsonError{where + "应给出 \"circle\": {\"D\": ..} 或 \"rect\": {\"W\": .., \"H\": ..} 之一"};
    const json& section = circle ? item["circle"] : item["rect"];
    if (!section.is_object()) throw JsonError{where + "截面应为对象"};
    if (circle)
        pier.m_pSection = std::make_unique<CCircle>(Real(section, "D", 0, where + "circle "));
    else
        pier.m_pSection = std::make_unique<CRectang>(Real(section, "W", 0, where + "rect "), Real(section, "H", 0, where + "rect "));
    std::string problem = pier.CalculationProblem();
    if (!problem.empty()) throw JsonError{where + problem};
    return pier;
}

}  // namespace

bool ProjectFromJson(const std::string& text, CProject& project, std::string& error) {
    try {
        json doc = json::parse(text);
        if (!doc.is_object()) throw JsonError{"JSON 顶层应为对象"};
        CProject built;
        built.ResetParameters();
        built.m_nGrade = Whole(doc, "grade", built.m_nGrade, "");
        if (built.m_nGrade != 10 && built.m_nGrade != 15 && built.m_nGrade != 20 && built.m_nGrade != 25)
            throw JsonError{"\"grade\" 应为 10、15、20 或 25"};
        built.m_nLanes = Whole(doc, "lanes", built.m_nLanes, "");
        built.m_dDeltaT = Real(doc, "deltaT", built.m_dDeltaT, "");
        built.m_dAlpha = Real(doc, "alpha", built.m_dAlpha, "");
        if (doc.contains("piers")) {
            const json& piers = doc["piers"];
            if (!piers.is_array()) throw JsonError{"\"piers\" 应为数组"};
            for (std::size_t i = 0; i < piers.size(); ++i) built.m_Piers.push_back(PierFromJson(piers[i], static_cast<int>(i)));
        }
        project = std::move(built);
        return true;
    } catch (const JsonError& e) {
        error = e.what;
    } catch (const json::exception& e) {
        error = std::string("JSON 格式错误: ") + e.what();
    }
    return false;
}

}  // namespace calc
