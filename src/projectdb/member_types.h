#pragma once
// The member-type choices the wizard and the drawing layout offer with a picture of each type: the type
// names in the order of their buttons, the captions the buttons show, and the picture of each type.
#include <string>
#include <vector>

namespace projectdb {

enum class MemberChoice { Structure, BentCap, Body, Connection, Foundation, TitleBlock, SignOff };

struct MemberTypeOption {
    std::string name;     // stored and returned
    std::string caption;  // shown on the button
    int bitmapId = 0;     // resource number of the picture; 0: none
    std::string picture;  // the picture's resource name (":/pictures/<picture>"), empty when none
};

struct MemberChoiceList {
    MemberChoice kind;
    std::string title;
    std::vector<MemberTypeOption> options;
    int pictureWidth = 0;   // pixels the picture is shown at; 0: its own width
    int fixedBitmapId = 0;  // a picture shown whatever is chosen
    std::string fixedPicture;
};

const MemberChoiceList& MemberChoiceListOf(MemberChoice kind);

// The button checked for a given type name: the option of that exact name, otherwise the fallback (the
// first option). The sign-off choice takes every value other than "不绘制" as "绘制".
int MemberChoiceIndex(MemberChoice kind, const std::string& current);

}  // namespace projectdb
