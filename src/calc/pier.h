#pragma once
// One pier of the flexible-pier calculation: its columns, their cross-section, its bearings, and the
// stiffness and per-column forces computed for it. Units: metres, kN, kN/m².
#include <memory>
#include <string>

#include "calc/binary_stream.h"

namespace calc {

// Base of a column cross-section; the type number is what the calculation file stores before it.
class CCrossection {
public:
    static constexpr int kCircle = 1;
    static constexpr int kRectangle = 2;

    explicit CCrossection(int nType = 0) : m_nType(nType) {}
    virtual ~CCrossection() = default;

    // Writes the section record: the type, then the dimensions.
    virtual void Serialize(LeWriter& out) const;
    // Reads the dimensions that follow the type.
    virtual void Load(LeReader& in);
    virtual double SecondMoment() const { return 0; }
    virtual std::unique_ptr<CCrossection> Clone() const { return std::make_unique<CCrossection>(*this); }

    // A new, zero-sized section of the type; nullptr for a type that is neither circle nor rectangle.
    static std::unique_ptr<CCrossection> Create(int nType);

    int m_nType;
};

class CCircle : public CCrossection {
public:
    explicit CCircle(double dD = 0) : CCrossection(kCircle), m_dD(dD) {}
    void Serialize(LeWriter& out) const override;
    void Load(LeReader& in) override;
    double SecondMoment() const override { return m_dD * m_dD * m_dD * m_dD * 0.04908738521234052; }
    std::unique_ptr<CCrossection> Clone() const override { return std::make_unique<CCircle>(*this); }

    double m_dD;  // diameter
};

class CRectang : public CCrossection {
public:
    CRectang(double dW = 0, double dH = 0) : CCrossection(kRectangle), m_dW(dW), m_dH(dH) {}
    void Serialize(LeWriter& out) const override;
    void Load(LeReader& in) override;
    double SecondMoment() const override { return m_dW * m_dH * m_dH * m_dH * 0.08333333333333333; }
    std::unique_ptr<CCrossection> Clone() const override { return std::make_unique<CRectang>(*this); }

    double m_dW;  // across the bridge
    double m_dH;  // along the bridge, the bending depth
};

// Concrete modulus (kN/m²) of a concrete grade; grade 30 and every grade not in the table give 3.0e7.
double ConcreteModulus(int nGrade);

class CPier {
public:
    CPier() = default;
    CPier(const CPier& other);
    CPier& operator=(const CPier& other);
    CPier(CPier&&) noexcept = default;
    CPier& operator=(CPier&&) noexcept = default;

    // Why the pier cannot be calculated ("" when it can): a column count, column height or column
    // stiffness that is zero (or less) would divide by zero. Such a pier takes no force.
    std::string CalculationProblem() const;
    bool IsCalculable() const { return CalculationProblem().empty(); }

    // E, Kc, Kb and K from the inputs (all zero for a pier that cannot be calculated).
    void CalcStiffness();
    // m_dFt holds the pier's total temperature force; derives dt and Mt and turns force and moment
    // into per-column values. Likewise for the braking force. Each leaves the other pair alone.
    void DistributeTemperature() { DistributeLoad(m_dFt, m_dMt, m_dDt); }
    void DistributeBraking() { DistributeLoad(m_dFb, m_dMb, m_dDb); }

    bool HasBearings() const { return m_nBearings > 0; }
    // A horizontal load on the pier's top: the pier's displacement under the total force and the moment at
    // the column foot (F·H for columns under bearings, which stand as cantilevers; F·H/2 for columns held
    // fixed by the girder at their top), then force and moment shared among the columns.
    void DistributeLoad(double& force, double& moment, double& displacement) const;
    int SectionType() const { return m_pSection ? m_pSection->m_nType : 0; }

    double m_dStake = 0;
    int m_nColumns = 0;
    double m_dHeight = 0;
    std::unique_ptr<CCrossection> m_pSection;
    double m_dE = 0;
    int m_nGrade = 0;
    int m_nBearings = 0;
    double m_dBearingHeight = 0;
    double m_dBearingArea = 0;
    double m_dShearModulus = 0;
    double m_dK = 0;
    double m_dKc = 0;
    double m_dKb = 0;
    double m_dFt = 0;
    double m_dMt = 0;
    double m_dDt = 0;
    double m_dFb = 0;
    double m_dMb = 0;
    double m_dDb = 0;
};

}  // namespace calc
