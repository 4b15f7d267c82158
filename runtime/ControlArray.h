#pragma once
// A control array: controls sharing one name, told apart by an index. The elements made at
// design time exist from the start; load(n) creates element n at run time from the present
// properties of element 0 (the trace dots), and unloadCreated() removes every element created
// at run time at once, never a design element.

#include <map>
#include <memory>
#include <vector>

#include <algorithm>
#include <functional>

#include "runtime/ControlArrayBase.h"
#include "runtime/Window.h"

namespace rt {

template <class T>
class ControlArray : public ControlArrayBase {
public:
    // Design elements with the given indexes, all children of `parent`.
    ControlArray(Container* parent, std::string name, std::initializer_list<int> designIndexes);
    ControlArray(Container* parent, std::string name, int firstIndex, int lastIndex);

    T& operator()(int index) const { return *elements_.at(index); }
    T* find(int index) const override {
        auto it = elements_.find(index);
        return it == elements_.end() ? nullptr : it->second.get();
    }
    bool exists(int index) const { return elements_.count(index) != 0; }
    int Count() const override { return static_cast<int>(elements_.size()); }
    const std::string& name() const override { return name_; }
    std::vector<Control*> elements() const override;

    // Creates element n from the present properties of the lowest design element (element 0).
    // An index that already exists is refused (returns the existing element untouched).
    T& load(int n);
    // Removes every element created by load(), in one pass.
    void unloadCreated();
    int createdCount() const { return static_cast<int>(created_); }

    // Sets a handler on every design element, passing the element's index first.
    void onMouseDown(std::function<void(int, int, int, float, float)> f);
    void onMouseUp(std::function<void(int, int, int, float, float)> f);
    void onMouseMove(std::function<void(int, int, int, float, float)> f);
    void onClick(std::function<void(int)> f);
    void onDblClick(std::function<void(int)> f);

private:
    Container* parent_;
    std::string name_;
    std::map<int, std::unique_ptr<T>> elements_;
    std::vector<int> design_;
    size_t created_ = 0;
};

template <class T>
ControlArray<T>::ControlArray(Container* parent, std::string name, std::initializer_list<int> designIndexes)
    : parent_(parent), name_(std::move(name)), design_(designIndexes) {
    for (int i : design_) elements_.emplace(i, std::make_unique<T>(parent_, name_, i));
    parent_->window()->registerArray(*this);
}

template <class T>
ControlArray<T>::ControlArray(Container* parent, std::string name, int firstIndex, int lastIndex)
    : parent_(parent), name_(std::move(name)) {
    for (int i = firstIndex; i <= lastIndex; ++i) {
        design_.push_back(i);
        elements_.emplace(i, std::make_unique<T>(parent_, name_, i));
    }
    parent_->window()->registerArray(*this);
}

template <class T>
std::vector<Control*> ControlArray<T>::elements() const {
    std::vector<Control*> v;
    v.reserve(elements_.size());
    for (auto& [i, e] : elements_) v.push_back(e.get());
    return v;
}

template <class T>
T& ControlArray<T>::load(int n) {
    if (auto* e = find(n)) return *e;
    const T& model = *elements_.at(design_.front());
    auto e = std::make_unique<T>(parent_, name_, n);
    e->copyPropertiesFrom(model);
    T& ref = *e;
    elements_.emplace(n, std::move(e));
    ++created_;
    return ref;
}

template <class T>
void ControlArray<T>::unloadCreated() {
    if (created_ == 0) return;
    std::vector<std::unique_ptr<T>> doomed;
    for (auto it = elements_.begin(); it != elements_.end();) {
        bool isDesign = std::find(design_.begin(), design_.end(), it->first) != design_.end();
        if (isDesign) {
            ++it;
        } else {
            doomed.push_back(std::move(it->second));
            it = elements_.erase(it);
        }
    }
    // Detach all of them from the container in one pass, then destroy them detached.
    parent_->removeChildrenIf([&](Control* c) {
        return c->name() == name_ && !exists(c->index());
    });
    for (auto& d : doomed) d->detach();
    created_ = 0;
}

template <class T>
void ControlArray<T>::onMouseDown(std::function<void(int, int, int, float, float)> f) {
    for (int i : design_) elements_[i]->onMouseDown = [f, i](int b, int s, float x, float y) { f(i, b, s, x, y); };
}
template <class T>
void ControlArray<T>::onMouseUp(std::function<void(int, int, int, float, float)> f) {
    for (int i : design_) elements_[i]->onMouseUp = [f, i](int b, int s, float x, float y) { f(i, b, s, x, y); };
}
template <class T>
void ControlArray<T>::onMouseMove(std::function<void(int, int, int, float, float)> f) {
    for (int i : design_) elements_[i]->onMouseMove = [f, i](int b, int s, float x, float y) { f(i, b, s, x, y); };
}
template <class T>
void ControlArray<T>::onClick(std::function<void(int)> f) {
    for (int i : design_) elements_[i]->onClick = [f, i] { f(i); };
}
template <class T>
void ControlArray<T>::onDblClick(std::function<void(int)> f) {
    for (int i : design_) elements_[i]->onDblClick = [f, i] { f(i); };
}

}  // namespace rt
