#pragma once
// A status bar docked along the bottom of its window, with panels fixed at design time: text
// panels, and date and time panels kept current by the status bar itself.

#include <string>
#include <vector>

#include "runtime/Control.h"

namespace rt {

class StatusBar : public Control {
public:
    enum class PanelKind { Text, Date, Time };
    struct Panel {
        PanelKind kind = PanelKind::Text;
        float width = 0;     // twips
        float minWidth = 0;  // twips
        std::string text;
    };

    StatusBar(Container* parent, std::string name) : Control(Kind::StatusBar, parent, std::move(name)) {}

    std::vector<Panel>& panels() { return panels_; }
    const std::vector<Panel>& panels() const { return panels_; }

    bool property(std::string_view prop, Value& out) const override;

private:
    std::vector<Panel> panels_;
};

}  // namespace rt
