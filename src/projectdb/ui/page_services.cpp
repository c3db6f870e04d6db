#include "projectdb/ui/page_services.h"

namespace projectdb {

MemberChoice ToMemberChoice(MemberKind kind) {
    switch (kind) {
        case MemberKind::CapBeam: return MemberChoice::BentCap;
        case MemberKind::Body: return MemberChoice::Body;
        case MemberKind::Connection: return MemberChoice::Connection;
        case MemberKind::Foundation: break;
    }
    return MemberChoice::Foundation;
}

MemberChoice ToMemberChoice(DrawingChoice choice) {
    return choice == DrawingChoice::TitleBlock ? MemberChoice::TitleBlock : MemberChoice::SignOff;
}

}  // namespace projectdb
