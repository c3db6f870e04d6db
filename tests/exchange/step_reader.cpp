#include "step_reader.h"

#include <cstdlib>
#include <stdexcept>

namespace step_test {

double Value::number() const {
    if (kind == Typed && !items.empty()) return items[0].number();
    if (kind != Number) throw std::runtime_error("not a number: " + text);
    return std::strtod(text.c_str(), nullptr);
}

std::vector<int> Model::ofType(const std::string& type) const {
    std::vector<int> ids;
    for (const auto& [id, instance] : instances)
        if (instance.type == type) ids.push_back(id);
    return ids;
}

namespace {

class Parser {
public:
    explicit Parser(const std::string& s) : s_(s) {}

    Value Parse() {
        Skip();
        const char c = s_.at(i_);
        Value v;
        if (c == '$') return ++i_, v;
        if (c == '*') return ++i_, v.kind = Value::Derived, v;
        if (c == '#') {
            ++i_;
            v.kind = Value::Ref;
            v.ref = static_cast<int>(std::strtol(s_.c_str() + i_, nullptr, 10));
            while (std::isdigit(static_cast<unsigned char>(s_[i_]))) ++i_;
            return v;
        }
        if (c == '\'') {
            v.kind = Value::String;
            for (++i_;; ++i_) {
                if (s_.at(i_) == '\'') {
                    if (s_.at(i_ + 1) != '\'') break;
                    ++i_;
                }
                v.text += s_[i_];
            }
            ++i_;
            return v;
        }
        if (c == '.') {
            v.kind = Value::Enum;
            const auto end = s_.find('.', i_ + 1);
            v.text = s_.substr(i_ + 1, end - i_ - 1);
            i_ = end + 1;
            return v;
        }
        if (c == '(') {
            v.kind = Value::List;
            v.items = Items();
            return v;
        }
        if (std::isalpha(static_cast<unsigned char>(c))) {
            v.kind = Value::Typed;
            while (std::isalnum(static_cast<unsigned char>(s_[i_])) || s_[i_] == '_') v.text += s_[i_++];
            v.items = Items();
            return v;
        }
        v.kind = Value::Number;
        while (i_ < s_.size() && (std::isdigit(static_cast<unsigned char>(s_[i_])) || std::string("+-.E").find(s_[i_]) != std::string::npos))
            v.text += s_[i_++];
        if (v.text.empty()) throw std::runtime_error("cannot read at: " + s_.substr(i_, 40));
        return v;
    }

    std::vector<Value> Items() {
        Skip();
        if (s_.at(i_) != '(') throw std::runtime_error("expected ( at: " + s_.substr(i_, 40));
        ++i_;
        std::vector<Value> items;
        Skip();
        if (s_.at(i_) == ')') return ++i_, items;
        for (;;) {
            items.push_back(Parse());
            Skip();
            if (s_.at(i_) == ',') {
                ++i_;
                continue;
            }
            if (s_.at(i_) == ')') return ++i_, items;
            throw std::runtime_error("expected , or ) at: " + s_.substr(i_, 40));
        }
    }

    std::size_t pos() const { return i_; }

private:
    void Skip() {
        while (i_ < s_.size() && std::isspace(static_cast<unsigned char>(s_[i_]))) ++i_;
    }
    const std::string& s_;
    std::size_t i_ = 0;
};

}  // namespace

Model Parse(const std::string& text) {
    Model model;
    const auto data = text.find("\nDATA;\n");
    const auto end = text.find("\nENDSEC;\nEND-ISO-10303-21;");
    if (data == std::string::npos || end == std::string::npos) throw std::runtime_error("no data section");
    model.header = text.substr(0, data);
    std::size_t at = data + 7;
    while (at < end) {
        const auto semicolon = text.find(";\n", at);
        const std::string line = text.substr(at, semicolon - at);
        at = semicolon + 2;
        const auto equals = line.find('=');
        const auto open = line.find('(');
        if (line.empty() || line[0] != '#' || equals == std::string::npos || open == std::string::npos)
            throw std::runtime_error("not an instance: " + line);
        Instance instance;
        instance.type = line.substr(equals + 1, open - equals - 1);
        const std::string args = line.substr(open);
        Parser parser(args);
        instance.args = parser.Items();
        if (parser.pos() != args.size()) throw std::runtime_error("text after the attributes: " + line);
        model.instances[std::atoi(line.c_str() + 1)] = std::move(instance);
    }
    return model;
}

}  // namespace step_test
