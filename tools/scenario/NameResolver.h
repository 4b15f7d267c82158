#pragma once
// Resolves the names of a scenario line against the running program: windows, controls and
// array elements, their properties, array counts, shared variables and form-level variables.
// Naming a window that does not exist yet creates it, as a first reference does in the program.

#include <optional>
#include <string>
#include <vector>

#include "runtime/Value.h"

class Program;

namespace rt {
class Control;
class Window;
}  // namespace rt

namespace scenario {

// One dotted part of a name: `RCtl(2)` is {"RCtl", 2}.
struct NamePart {
    std::string name;
    std::optional<int> index;

    bool operator==(const NamePart&) const = default;
};

// Splits `Window.Control(Index).Property` into its parts. Throws LineError when malformed.
std::vector<NamePart> splitName(const std::string& name);

class NameResolver {
public:
    explicit NameResolver(Program& program) : program_(program) {}

    // The window, control or array element named (a bare window name is the window itself).
    rt::Control& control(const std::string& name) const;
    // A window by its bare name.
    rt::Window& window(const std::string& name) const;
    // The present value of a property, array count or variable.
    rt::Value value(const std::string& name) const;

private:
    // The window named by `part`, or nullptr when it names no window.
    rt::Window* windowOf(const NamePart& part) const;
    // A control or array element of `w` (nullptr when `part` names neither).
    rt::Control* controlOf(rt::Window& w, const NamePart& part, const std::string& fullName) const;
    rt::Value propertyOf(const rt::Control& c, const NamePart& part, const std::string& fullName) const;

    Program& program_;
};

}  // namespace scenario
