#include "runtime/Variables.h"

namespace rt {

bool Variables::read(const std::string& name, int index, bool indexed, Value& out) const {
    auto it = entries_.find(name);
    if (it == entries_.end()) return false;
    const Entry& e = it->second;
    if (e.isArray != indexed) return false;
    if (e.isArray && (index < e.lower || index > e.upper)) return false;
    out = e.get(index);
    return true;
}

std::vector<std::string> Variables::names() const {
    std::vector<std::string> v;
    for (auto& [n, e] : entries_) v.push_back(n);
    return v;
}

}  // namespace rt
