// Drawings controls keep on their parent's surface: each parent's list, in the order the
// drawings were set. A drawing goes when its control takes it away, leaves the parent or is
// destroyed, and all of a parent's go when the program hides the parent.
#include "Controls.h"

#include "widgetset/WSParentOverlay.h"

#include <algorithm>
#include <map>

namespace {

std::map<const TWinControl*, std::vector<TParentOverlay>>& Overlays() {
    static std::map<const TWinControl*, std::vector<TParentOverlay>> overlays;
    return overlays;
}

} // namespace

void TControl::SetParentOverlay(TParentPaintEvent Paint) {
    TWinControl* parent = Parent();
    if (!parent || !parent->WS()) return;
    auto& all = Overlays();
    auto list = all.find(parent);
    if (!Paint) {
        if (list == all.end()) return;
        auto& items = list->second;
        auto it = std::find_if(items.begin(), items.end(),
                               [this](const TParentOverlay& o) { return o.Control == this; });
        if (it == items.end()) return;
        items.erase(it);
        if (items.empty()) all.erase(list);
    } else {
        auto& items = all[parent];
        auto it = std::find_if(items.begin(), items.end(),
                               [this](const TParentOverlay& o) { return o.Control == this; });
        if (it != items.end())
            it->Paint = std::move(Paint);
        else
            items.push_back(TParentOverlay{this, std::move(Paint)});
    }
    ws::ParentOverlaysChanged(parent);
}

bool TControl::HasParentOverlay() const {
    const auto list = Overlays().find(Parent());
    if (list == Overlays().end()) return false;
    const auto& items = list->second;
    return std::any_of(items.begin(), items.end(),
                       [this](const TParentOverlay& o) { return o.Control == this; });
}

std::vector<TParentOverlay> ParentOverlaysOf(const TWinControl* Parent) {
    const auto list = Overlays().find(Parent);
    return list == Overlays().end() ? std::vector<TParentOverlay>() : list->second;
}

namespace wsevents {

void ParentSurfaceHidden(TWinControl* Parent) {
    Overlays().erase(Parent);
}

} // namespace wsevents
