#pragma once
// Reading a wizard description file. A description of a long bridge is mostly its tables (thousands of
// sections, supports or drawings, each a row of texts): those are read straight into rows of texts while
// the file is parsed, so that they never become a tree of JSON values that is built, read once and freed.
#include <map>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

namespace cli {

using TextRowTable = std::vector<std::vector<std::string>>;

// Where a table sits in the description: the keys leading to it from the top object, and the name the
// messages give it ("spans.sections").
struct TablePlace {
    std::vector<std::string> keys;
    std::string name;
};

struct WizardDescription {
    nlohmann::json value;
    // The tables read aside, by name; the value holds an empty array in their place. A table that is not
    // an array of arrays of texts and numbers stays in the value, for the reader to refuse as before.
    std::map<std::string, TextRowTable> tables;
};

// Parses `text` as json::parse does, with its exceptions for text that is no JSON.
WizardDescription ParseWizardDescription(const std::string& text, const std::vector<TablePlace>& places);

}  // namespace cli
