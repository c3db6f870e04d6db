#pragma once
// A small reader of STEP physical files for the tests: instances by number, their attributes as a tree.
// Independent of the writer, so that the tests read back what a reader would see.
#include <map>
#include <string>
#include <vector>

namespace step_test {

struct Value {
    enum Kind { Null, Derived, Ref, Number, String, Enum, List, Typed } kind = Null;
    std::string text;           // the number, string (raw, escapes kept), enumeration or type name
    int ref = 0;
    std::vector<Value> items;   // a list's items, a typed value's one value

    double number() const;      // a number, or the number inside a typed value
};

struct Instance {
    std::string type;           // upper case, as written
    std::vector<Value> args;
};

struct Model {
    std::string header;
    std::map<int, Instance> instances;

    const Instance& at(int id) const { return instances.at(id); }
    std::vector<int> ofType(const std::string& type) const;
};

// Throws std::runtime_error with the offending text when the data section does not parse.
Model Parse(const std::string& text);

}  // namespace step_test
