#include "runtime/Application.h"

#include "runtime/Window.h"

namespace rt {

Application::Application(Clock& clock, const TextMeasurer& text) : clock_(clock), text_(text) {}

// Windows go first (their timers stop with them) in the reverse order of creation.
Application::~Application() {
    active_ = nullptr;
    for (auto it = order_.rbegin(); it != order_.rend(); ++it) windows_.erase((*it)->name());
}

void Application::registerWindow(const std::string& name, Factory f) { factories_[name] = std::move(f); }

Window* Application::existing(const std::string& name) const {
    auto it = windows_.find(name);
    return it == windows_.end() ? nullptr : it->second.get();
}

Window& Application::window(const std::string& name) {
    if (Window* w = existing(name)) return *w;
    std::unique_ptr<Window> w = factories_.at(name)(*this);
    Window& ref = *w;
    windows_[name] = std::move(w);
    order_.push_back(&ref);
    if (onWindowCreated) onWindowCreated(ref);
    ref.Form_Load();
    return ref;
}

void Application::activate(Window& w) {
    if (active_ == &w) return;
    active_ = &w;
    w.Form_Activate();
}

void Application::deactivate(Window& w) {
    if (active_ == &w) active_ = nullptr;
}

}  // namespace rt
