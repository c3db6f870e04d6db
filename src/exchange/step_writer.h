#pragma once
// A writer of ISO 10303-21 ("STEP physical file") text: numbered entity instances with their attributes,
// a header, and the encoding rules of the format (strings with non-ASCII text as \X2\ escapes, reals that
// always carry a decimal point, references, enumerations, typed values, lists). It knows nothing of a schema:
// the entities of IFC and their attribute order live in ifc_entities.h.
#include <array>
#include <cstdint>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace step {

// One encoded attribute value.
class Arg {
public:
    static Arg Null() { return Arg("$"); }
    static Arg Derived() { return Arg("*"); }
    static Arg Ref(int id) { return Arg("#" + std::to_string(id)); }
    static Arg Int(long long value) { return Arg(std::to_string(value)); }
    static Arg Real(double value);
    static Arg String(std::string_view utf8);
    static Arg Enum(std::string_view name) { return Arg("." + std::string(name) + "."); }
    static Arg Bool(bool value) { return Arg(value ? ".T." : ".F."); }
    // A value of a defined type where a select needs it: IFCLENGTHMEASURE(1.5).
    static Arg Typed(std::string_view type, const Arg& value) { return Arg(std::string(type) + "(" + value.text_ + ")"); }
    static Arg List(const std::vector<Arg>& items);
    static Arg Refs(const std::vector<int>& ids);
    static Arg Reals(const std::vector<double>& values);
    // A list of lists of reals, and of lists of integers, written straight into one text: a triangle mesh's
    // thousands of corners and faces without an Arg for every number.
    static Arg RealTriples(const std::vector<std::array<double, 3>>& triples);
    static Arg IntTriples(const std::vector<std::array<long long, 3>>& triples);

    const std::string& text() const { return text_; }

private:
    explicit Arg(std::string text) : text_(std::move(text)) {}
    std::string text_;
};

// A real as the format writes it: the shortest text that reads back to the same double, with a decimal point
// ("1." rather than "1") and an upper-case exponent ("1.5E-07"). Throws std::invalid_argument for NaN or infinity.
std::string RealText(double value);
// A string literal: apostrophes and backslashes doubled, every run of non-ASCII characters as \X2\ (UTF-16
// code units, four hex digits each) or, beyond the basic plane, \X4\ (eight hex digits), closed by \X0\.
std::string StringText(std::string_view utf8);

struct Header {
    std::string description;  // FILE_DESCRIPTION, e.g. "ViewDefinition [Alignment-basedView]"
    std::string name;         // FILE_NAME's name
    std::string timestamp;    // ISO 8601
    std::string author, organization, preprocessor, originatingSystem;
    std::string schema;  // FILE_SCHEMA, e.g. "IFC4X3_ADD2"
};

class File {
public:
    // Adds an instance and returns its number (1, 2, 3, ... in the order of adding).
    int Add(std::string_view entity, const std::vector<Arg>& args);
    int count() const { return next_ - 1; }

    // The whole file: header section, data section.
    std::string Text(const Header& header) const;
    // The same written to a stream, without a copy of the data section (a long viaduct's is many megabytes).
    void Write(std::ostream& out, const Header& header) const;

private:
    // The data section in pieces of about a megabyte: a long viaduct's runs to many megabytes, and one string
    // would be copied over and over as it grows.
    static constexpr std::size_t kChunkBytes = 1 << 20;
    std::vector<std::string> chunks_;
    int next_ = 1;
};

// A stable IFC GlobalId: 128 bits taken from a hash of `key`, written in the 22 characters of the IFC base-64
// alphabet. The same key always gives the same id.
std::string GlobalId(std::string_view key);

}  // namespace step
