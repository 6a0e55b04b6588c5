// A context menu whose items call handlers.
//
//   pmmain.Add("Settings", [this] { Settings1Click(); });
//   pmmain.Add("Exit", [this] { Exit1Click(); });
//   pmmain.Popup(window, x, y);        // runs the chosen item's handler
#pragma once

#include "Handles.h"

#include <functional>
#include <string>
#include <vector>

class TPopupMenu {
public:
    void Add(const std::string& caption, std::function<void()> onClick);
    // Shows the menu at the screen position (x, y) for `owner`, and runs the chosen item.
    void Popup(HWND owner, int x, int y);
    std::size_t Count() const { return items.size(); }
    // Runs the item at `index` as if it had been chosen.
    void Click(std::size_t index);

private:
    UniqueMenu menu;
    std::vector<std::function<void()>> items;
};
