#pragma once
// "Current Drawing" in the shared settings: the drawing the drawing side makes next. The shell writes it;
// the drawing host reads it when it receives VLTIN.
#include <string>

namespace drawing {

inline constexpr const char* kCurrentDrawingSection = "Current Drawing";
inline constexpr const char* kDrawingTypeValue = "DrawingType";
inline constexpr const char* kDrawingNameValue = "DrawingName";
inline constexpr const char* kFileNameValue = "FileName";

struct CurrentDrawing {
    std::string type;      // a drawing kind
    std::string name;      // a drawing title (or, after some choices, a kind's name)
    std::string fileName;  // the drawing's file name followed by ".dwg"
};

// Raises registry::SettingsError when the settings store can't be read.
CurrentDrawing ReadCurrentDrawing();

// Each raises registry::SettingsError when the store can't be written: a choice that did not reach the
// drawing side must not look as if it had.
void WriteDrawingType(const std::string& kind);
void WriteDrawingName(const std::string& title);
// FileName is the record's file name followed by ".dwg"; a name that leads out of the project's folder is
// refused with a SettingsError that says why.
void WriteDrawingFile(const std::string& fileName);

}  // namespace drawing
