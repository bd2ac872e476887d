#pragma once
// What differs between the two programs: titles, menus, toolbar, version box.
// The shell code is shared; it reads everything product-specific from here.

#include <string>
#include <vector>

#include "model/message.h"
#include "model/settings_model.h"

namespace vrq {

// Menu and toolbar texts share the context "Menu": a command has one name
// wherever the operator meets it.
struct MenuEntry {
    Text label;  // none (with command 0 and no children): a separator
    int command = 0;
    std::vector<MenuEntry> children;

    bool isSeparator() const { return label.source == nullptr; }
};

struct ToolButton {
    int id;       // 501..
    int command;  // the menu command it stands for
    Text tooltip;  // its pictogram is the command's
};

struct Variant {
    Product product;
    std::string boxTitle;       // "VRQ-700" / "VRQ-700S"
    std::string clientTitle;    // main window title by tcpRole, the same in every language
    std::string serverTitle;
    int windowWidth;
    int windowHeight;
    int toolImageWidth;
    int toolImageHeight;
    std::vector<MenuEntry> menuBar;
    std::vector<ToolButton> toolbar;
    Text versionBoxTitle;
    std::string versionText;  // a name and a number: never translated
};

const Variant& variantFor(Product p);

// Toolbar id -> menu command; menu commands pass through. 0 for an unknown id.
int commandForId(const Variant& v, int id);
// Tooltip by toolbar id (looked up by id - 500); no text when there is none.
Text tooltipFor(const Variant& v, int id);
// Every command reachable from the menu bar, depth first.
std::vector<int> menuCommands(const Variant& v);

}  // namespace vrq
