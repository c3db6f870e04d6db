#include "drawing/acad_window.h"

std::intptr_t& AcadWindow() {
    static std::intptr_t handle = 0;
    return handle;
}

namespace drawing {
namespace {

constexpr std::size_t kMaxTitleCharacters = 255;

// The first `characters` characters of UTF-8 text.
std::string Leading(const std::string& text, std::size_t characters) {
    std::size_t count = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        bool startsCharacter = (static_cast<unsigned char>(text[i]) & 0xC0) != 0x80;
        if (startsCharacter && count++ == characters) return text.substr(0, i);
    }
    return text;
}

}  // namespace

bool IsAcadMainTitle(const std::string& title) {
    std::string seen = Leading(title, kMaxTitleCharacters);
    return seen.rfind("AutoCAD", 0) == 0 && seen != "AutoCAD Text Window";
}

}  // namespace drawing
