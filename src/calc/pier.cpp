#include "calc/pier.h"

#include <cmath>

namespace calc {

void CCrossection::Serialize(LeWriter& out) const { out.Int32(m_nType); }

void CCrossection::Load(LeReader&) {}

void CCircle::Serialize(LeWriter& out) const {
    CCrossection::Serialize(out);
    out.Float64(m_dD);
}

void CCircle::Load(LeReader& in) { m_dD = in.Float64(); }

void CRectang::Serialize(LeWriter& out) const {
    CCrossection::Serialize(out);
    out.Float64(m_dW);
    out.Float64(m_dH);
}

void CRectang::Load(LeReader& in) {
    m_dW = in.Float64();
    m_dH = in.Float64();
}

std::unique_ptr<CCrossection> CCrossection::Create(int nType) {
    switch (nType) {
        case kCircle: return std::make_unique<CCircle>();
        case kRectangle: return std::make_unique<CRectang>();
        default: return nullptr;
    }
}

double ConcreteModulus(int nGrade) {
    switch (nGrade) {
        case 15: return 2.30e7;
        case 20: return 2.60e7;
        case 25: return 2.85e7;
        case 40: return 3.30e7;
        case 50: return 3.50e7;
        case 60: return 3.65e7;
        default: return 3.00e7;
    }
}

CPier::CPier(const CPier& other) { *this = other; }

CPier& CPier::operator=(const CPier& other) {
    if (this == &other) return *this;
    m_dStake = other.m_dStake;
    m_nColumns = other.m_nColumns;
    m_dHeight = other.m_dHeight;
    m_pSection = other.m_pSection ? other.m_pSection->Clone() : nullptr;
    m_dE = other.m_dE;
    m_nGrade = other.m_nGrade;
    m_nBearings = other.m_nBearings;
    m_dBearingHeight = other.m_dBearingHeight;
    m_dBearingArea = other.m_dBearingArea;
    m_dShearModulus = other.m_dShearModulus;
    m_dK = other.m_dK;
    m_dKc = other.m_dKc;
    m_dKb = other.m_dKb;
    m_dFt = other.m_dFt;
    m_dMt = other.m_dMt;
    m_dDt = other.m_dDt;
    m_dFb = other.m_dFb;
    m_dMb = other.m_dMb;
    m_dDb = other.m_dDb;
    return *this;
}

namespace {

bool SectionFinite(const CCrossection* section) {
    if (auto* c = dynamic_cast<const CCircle*>(section)) return std::isfinite(c->m_dD);
    if (auto* r = dynamic_cast<const CRectang*>(section)) return std::isfinite(r->m_dW) && std::isfinite(r->m_dH);
    return true;
}

// The column stiffness before any check: fixed at both ends without bearings, a cantilever with them.
double ColumnStiffness(const CPier& pier, double e) {
    double i = pier.m_pSection ? pier.m_pSection->SecondMoment() : 0.0;
    double factor = pier.HasBearings() ? 3.0 : 12.0;
    return i * pier.m_nColumns * e * factor / pier.m_dHeight / pier.m_dHeight / pier.m_dHeight;
}

}  // namespace

std::string CPier::CalculationProblem() const {
    if (!std::isfinite(m_dStake) || !std::isfinite(m_dHeight) || !std::isfinite(m_dBearingHeight) ||
        !std::isfinite(m_dBearingArea) || !std::isfinite(m_dShearModulus) || !SectionFinite(m_pSection.get()))
        return "桥墩数据中有无效的数值!";
    if (m_nColumns <= 0) return "墩柱个数必须大于0!";
    if (m_dHeight <= 0) return "墩柱高度必须大于0!";
    if (!m_pSection || !(m_pSection->SecondMoment() > 0)) return "墩柱截面尺寸必须大于0!";
    if (HasBearings() && (m_dShearModulus < 0 || m_dBearingArea < 0)) return "支座剪切模量和支座面积不能小于0!";
    double kc = ColumnStiffness(*this, ConcreteModulus(m_nGrade));
    if (!(kc > 0) || !std::isfinite(kc)) return "墩柱刚度为0，无法计算!";
    return {};
}

void CPier::CalcStiffness() {
    m_dE = ConcreteModulus(m_nGrade);
    m_dK = m_dKc = m_dKb = 0;
    if (!IsCalculable()) return;
    m_dKc = ColumnStiffness(*this, m_dE);
    m_dK = m_dKc;
    // A modulus or area of 9e9 or more stands for a rigid bearing, a height of 1e-10 or less for none.
    if (HasBearings() && m_dShearModulus < 9e9 && m_dBearingArea < 9e9 && m_dBearingHeight > 1e-10) {
        m_dKb = m_nBearings * m_dShearModulus * m_dBearingArea / m_dBearingHeight;
        m_dK = m_dKb * m_dKc / (m_dKb + m_dKc);
    }
}

void CPier::DistributeLoad(double& force, double& moment, double& displacement) const {
    if (!IsCalculable()) {
        force = moment = displacement = 0;
        return;
    }
    displacement = force / m_dKc;
    moment = HasBearings() ? force * m_dHeight : force * m_dHeight * 0.5;
    force /= m_nColumns;
    moment /= m_nColumns;
}

}  // namespace calc
