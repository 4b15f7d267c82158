#pragma once
#include <string>
#include <vector>

namespace rt {

class Control;

// The untyped face the window's name registry and the scenario runner see.
class ControlArrayBase {
public:
    virtual ~ControlArrayBase() = default;
    virtual const std::string& name() const = 0;
    virtual Control* find(int index) const = 0;
    virtual int Count() const = 0;
    virtual std::vector<Control*> elements() const = 0;
};

}  // namespace rt
