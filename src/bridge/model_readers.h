#pragma once
// The steps of ReadBridge, each filling its part of the model from the tables and the parts before it.
#include "bridge/bridge_model.h"

namespace bridge {

// 一般信息表: the bridge's name, the decks and the design-line offset.
void ReadGeneral(dao::Database& db, Bridge& b);

// The route engine, the route findings and the ground line.
void ReadSite(dao::Database& db, Bridge& b);

// 桥孔划分信息表, 上构布置明细表, 下构布置信息表, 伸缩缝信息表: spans, support stations and skews, the
// continuity units, and the findings where spans and supports disagree.
void ReadLayout(dao::Database& db, Bridge& b);

// The superstructure of every span from its member tables, else the standard proposal.
void ReadSuperstructure(dao::Database& db, Bridge& b);

// A point on a support line, `along` metres from the designed deck's centre line (positive right).
struct SupportPoint {
    double station = 0, offset = 0;  // on the route
    Point2 plan;
    double deckZ = 0;
};
SupportPoint PointOnSupportLine(const Bridge& b, const Support& s, double along);

// Plan and deck of every support: support line, columns with the ground under them, bearing lines.
void PlaceSupports(Bridge& b);

// The members of every support and their vertical chain, the foundations, 桥梁全长, and the findings where
// the chain does not close.
void ReadSubstructure(dao::Database& db, Bridge& b);

// The solid of every member.
void BuildSolids(Bridge& b);
// The route's points from one station to another at an offset from its centre line, `drop` under the deck,
// in steps no longer than the girders take (a girder and its precast units follow the same curve).
std::vector<Point3> PathAlong(const Bridge& b, double from, double to, double offset, double drop);

// The precast units of every precast span, the bearings under the girders and the deck pavement.
void BuildDeckMembers(Bridge& b);
// The cone slopes and approach slabs at the bridge ends, with their solids.
void ReadApproachWorks(dao::Database& db, Bridge& b);

}  // namespace bridge
