#include "pierabut/support_facts.h"

#include <algorithm>
#include <map>

#include "platform/dao/recordset.h"

namespace pierabut {

std::vector<SupportFacts> ReadSupports(dao::Database& db) {
    std::map<long, double> spanLengths;
    {
        dao::Recordset rs(db);
        rs.Open("Select SpanNumber, SpanLength From [上构布置明细表]", dao::dbOpenForwardOnly);
        for (; !rs.IsEOF(); rs.MoveNext())
            spanLengths.emplace(rs.GetFieldValue(0).toLong(), rs.GetFieldValue(1).toDouble());
    }
    std::vector<SupportFacts> supports;
    dao::Recordset rs(db);
    rs.Open("Select * From [下构布置信息表] Order By 下构布置信息表.PierAbutNum", dao::dbOpenForwardOnly);
    static const char* const kColumns[4] = {"BentCapType", "BodyType", "ConnectType", "FoundationType"};
    for (; !rs.IsEOF(); rs.MoveNext()) {
        SupportFacts s;
        s.number = rs.GetFieldValue("PierAbutNum").toLong();
        for (int c = 0; c < 4; ++c) s.types[c] = rs.GetFieldValue(kColumns[c]).toString();
        s.distToDeckCm = rs.GetFieldValue("DistToDeck").toDouble();
        const double angle = rs.GetFieldValue("PierAbutAngle").toDouble();
        if (angle > 0 && angle < 180) s.angle = angle;
        double longest = 0;
        for (long span : {s.number, s.number + 1})
            if (auto it = spanLengths.find(span); it != spanLengths.end()) longest = std::max(longest, it->second);
        if (longest > 0) s.longestSpan = longest;
        supports.push_back(std::move(s));
    }
    if (!supports.empty()) {
        supports.front().abutment = true;
        supports.back().abutment = true;
    }
    return supports;
}

}  // namespace pierabut
