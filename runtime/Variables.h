#pragma once
// Named variables of a window or of the shared state, readable by name (the scenario runner)
// without a second copy: each entry reads the live variable through a pointer.

#include <array>
#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <type_traits>

#include "runtime/Color.h"
#include "runtime/Value.h"

namespace rt {

class Variables {
public:
    template <class T>
    void add(const std::string& name, const T& v) {
        entries_[name] = Entry{[p = &v](int) { return toValue(*p); }, 0, 0, false};
    }

    // An array whose first element has index `lower` (arrays declared with their own lower bound).
    template <class T, size_t N>
    void addArray(const std::string& name, const std::array<T, N>& a, int lower) {
        entries_[name] = Entry{[p = &a, lower](int i) { return toValue((*p)[static_cast<size_t>(i - lower)]); },
                               lower, lower + static_cast<int>(N) - 1, true};
    }

    // The value of `name` (scalar) or `name(index)` (array); false when there is none.
    bool read(const std::string& name, int index, bool indexed, Value& out) const;
    bool has(const std::string& name) const { return entries_.count(name) != 0; }
    std::vector<std::string> names() const;

    template <class T>
    static Value toValue(const T& v) {
        if constexpr (std::is_same_v<T, float>) return Value::single(v);
        else if constexpr (std::is_same_v<T, double>) return Value::dbl(v);
        else if constexpr (std::is_same_v<T, std::string>) return Value::string(v);
        else if constexpr (std::is_same_v<T, Color>) return Value::color(v);
        else if constexpr (std::is_same_v<T, bool>) return Value::boolean(v);
        else return Value::integer(static_cast<int64_t>(v));
    }

private:
    struct Entry {
        std::function<Value(int)> get;
        int lower, upper;
        bool isArray;
    };
    std::map<std::string, Entry> entries_;
};

}  // namespace rt
