#include "tools/scenario/NameResolver.h"

#include <cctype>

#include "runtime/Window.h"
#include "shell/Program.h"
#include "tools/scenario/LineError.h"
#include "tools/scenario/ValueText.h"

namespace scenario {
namespace {

bool identChar(char c, bool first) {
    const auto u = static_cast<unsigned char>(c);
    if (u >= 0x80 || c == '_' || std::isalpha(u)) return true;
    return !first && std::isdigit(u);
}

NamePart parsePart(const std::string& whole, const std::string& s) {
    const auto bad = [&] { return LineError("malformed name '" + whole + "'"); };
    size_t i = 0;
    while (i < s.size() && identChar(s[i], i == 0)) ++i;
    if (i == 0) throw bad();
    NamePart p{s.substr(0, i), std::nullopt};
    if (i == s.size()) return p;
    if (s[i] != '(' || s.back() != ')') throw bad();
    auto n = readInteger(s.substr(i + 1, s.size() - i - 2));
    if (!n || *n < INT32_MIN || *n > INT32_MAX) throw bad();
    p.index = static_cast<int>(*n);
    return p;
}

std::string partText(const NamePart& p) {
    return p.index ? p.name + "(" + std::to_string(*p.index) + ")" : p.name;
}

// Reads a variable of `vars`, telling apart a missing index, an index too many and one out of range.
rt::Value readVariable(const rt::Variables& vars, const NamePart& p, const std::string& fullName) {
    rt::Value v;
    if (vars.read(p.name, p.index.value_or(0), p.index.has_value(), v)) return v;
    if (!p.index) throw LineError(fullName + " is an array: give an index");
    if (vars.read(p.name, 0, false, v)) throw LineError(fullName + ": " + p.name + " takes no index");
    throw LineError(fullName + ": " + p.name + " has no element " + std::to_string(*p.index));
}

}  // namespace

std::vector<NamePart> splitName(const std::string& name) {
    std::vector<NamePart> parts;
    size_t start = 0;
    for (;;) {
        const size_t dot = name.find('.', start);
        parts.push_back(parsePart(name, name.substr(start, dot == std::string::npos ? dot : dot - start)));
        if (dot == std::string::npos) break;
        start = dot + 1;
    }
    if (parts.size() > 3) throw LineError("malformed name '" + name + "'");
    return parts;
}

rt::Window* NameResolver::windowOf(const NamePart& part) const {
    rt::Application& app = program_.app();
    if (part.index || !app.knowsWindow(part.name)) return nullptr;
    return &app.window(part.name);
}

rt::Control* NameResolver::controlOf(rt::Window& w, const NamePart& part, const std::string& fullName) const {
    if (rt::Control* c = w.findControl(part.name)) {
        if (part.index) throw LineError(fullName + ": " + part.name + " is not a control array");
        return c;
    }
    if (rt::ControlArrayBase* a = w.findArray(part.name)) {
        if (!part.index) throw LineError(fullName + ": " + part.name + " is a control array: give an index");
        if (rt::Control* e = a->find(*part.index)) return e;
        throw LineError(fullName + ": " + part.name + " has no element " + std::to_string(*part.index));
    }
    return nullptr;
}

rt::Value NameResolver::propertyOf(const rt::Control& c, const NamePart& part,
                                   const std::string& fullName) const {
    rt::Value v;
    if (!part.index && c.property(part.name, v)) return v;
    throw LineError("unknown name '" + fullName + "': " + c.fullName() + " has no property " +
                    partText(part));
}

rt::Window& NameResolver::window(const std::string& name) const {
    const auto parts = splitName(name);
    rt::Window* w = parts.size() == 1 ? windowOf(parts[0]) : nullptr;
    if (!w) throw LineError("unknown window '" + name + "'");
    return *w;
}

rt::Control& NameResolver::control(const std::string& name) const {
    const auto parts = splitName(name);
    rt::Window* w = windowOf(parts[0]);
    if (!w) throw LineError("unknown name '" + name + "': no window " + partText(parts[0]));
    if (parts.size() == 1) return *w;
    if (parts.size() == 2) {
        if (rt::Control* c = controlOf(*w, parts[1], name)) return *c;
        throw LineError("unknown name '" + name + "': " + w->name() + " has no control " +
                        partText(parts[1]));
    }
    throw LineError("'" + name + "' is not a control");
}

rt::Value NameResolver::value(const std::string& name) const {
    const auto parts = splitName(name);
    rt::Window* w = windowOf(parts[0]);
    if (!w) {
        if (parts.size() == 1 && program_.sharedVariables().has(parts[0].name))
            return readVariable(program_.sharedVariables(), parts[0], name);
        throw LineError("unknown name '" + name + "'");
    }
    if (parts.size() == 1) throw LineError("'" + name + "' is a window: name one of its properties");
    const NamePart& second = parts[1];
    if (parts.size() == 3 && !second.index && !parts[2].index && parts[2].name == "Count") {
        if (rt::ControlArrayBase* a = w->findArray(second.name)) return rt::Value::integer(a->Count());
    }
    if (rt::Control* c = controlOf(*w, second, name)) {
        if (parts.size() == 2) throw LineError("'" + name + "' is a control: name one of its properties");
        return propertyOf(*c, parts[2], name);
    }
    if (parts.size() == 3)
        throw LineError("unknown name '" + name + "': " + w->name() + " has no control " + partText(second));
    if (w->vars().has(second.name)) return readVariable(w->vars(), second, name);
    rt::Value v;
    if (!second.index && w->property(second.name, v)) return v;
    throw LineError("unknown name '" + name + "': " + w->name() + " has no control, variable or property " +
                    partText(second));
}

}  // namespace scenario
