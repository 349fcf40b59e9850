// Menus on Qt: a drop-down menu is a QMenu whose actions are the items; a menu
// bar is a list of menus that shows as a QMenuBar in every window it is
// attached to. Shortcuts are the framework's own business: the text after a tab
// is only shown, and no Qt shortcut is registered.

#include "platform/WindowPort.h"
#include "platform/qt/PortState.h"
#include "platform/qt/PortWindow.h"
#include "platform/qt/TextCodec.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>

#include <map>
#include <string>
#include <utility>
#include <vector>

namespace WindowPort {

namespace {

struct SPortMenu {
    // A drop-down menu. Owned here and deleted by DestroyMenu; a menu the
    // framework never destroys outlives the port like any object it leaks.
    QMenu* menu = nullptr;
    // A bar: its menus in order, and the bar widget shown in each window.
    std::vector<std::pair<MenuHandle, std::string>> menus;
    std::map<WindowHandle, QPointer<QMenuBar>> windows;
};

std::map<MenuHandle, SPortMenu>& Menus()
{
    static std::map<MenuHandle, SPortMenu> menus;
    return menus;
}

MenuHandle& NextMenu()
{
    static MenuHandle next = 1;
    return next;
}

SPortMenu* Find(MenuHandle handle)
{
    auto found = Menus().find(handle);
    return found == Menus().end() ? nullptr : &found->second;
}

QMenu* FindMenu(MenuHandle handle)
{
    SPortMenu* entry = Find(handle);
    return entry != nullptr ? entry->menu : nullptr;
}

QAction* ActionAt(QMenu* menu, int32_t position)
{
    if (menu == nullptr || position < 0 || position >= menu->actions().size())
        return nullptr;
    return menu->actions().at(position);
}

void Apply(QAction* action, const SMenuItemState& item)
{
    action->setSeparator(item.separator);
    action->setText(ToQString(item.text));
    action->setEnabled(item.enabled);
    action->setCheckable(item.checked || action->isCheckable());
    action->setChecked(item.checked);
    action->setData(item.id);
}

void SendInitMenu(WindowHandle window)
{
    SMessage message;
    message.kind = EMessage::kInitMenu;
    message.window = window;
    message.time = GetTickCount();
    DispatchMessage(message);
}

void PostCommand(WindowHandle window, QAction* action)
{
    SMessage message;
    message.kind = EMessage::kCommand;
    message.window = window;
    message.command = action->data().toUInt();
    message.time = GetTickCount();
    CPortState::Get().Post(message);
}

// A bar widget of one window, filled with the bar's menus. A menu opened from it
// asks the framework for its items' states first; a chosen item becomes a
// command message of that window.
QMenuBar* MakeBarWidget(CPortWindow* window, const SPortMenu& bar)
{
    auto* widget = new QMenuBar(window);
    const WindowHandle handle = window->GetHandle();
    for (const auto& [menuHandle, title] : bar.menus) {
        QMenu* menu = FindMenu(menuHandle);
        if (menu == nullptr)
            continue;
        menu->setTitle(ToQString(title));
        widget->addMenu(menu);
        QObject::connect(menu, &QMenu::aboutToShow, widget, [widget, menu, handle] {
            if (widget->activeAction() == menu->menuAction())
                SendInitMenu(handle);
        });
    }
    QObject::connect(widget, &QMenuBar::triggered, widget, [handle](QAction* action) { PostCommand(handle, action); });
    widget->setGeometry(0, 0, window->width(), widget->sizeHint().height());
    widget->show();
    return widget;
}

void Reattach(SPortMenu& bar)
{
    for (auto& [window, widget] : bar.windows) {
        delete widget.data();
        if (CPortWindow* portWindow = CPortState::Get().FindWindow(window))
            widget = MakeBarWidget(portWindow, bar);
    }
}

void Detach(WindowHandle window)
{
    for (auto& [handle, entry] : Menus()) {
        auto attached = entry.windows.find(window);
        if (attached != entry.windows.end()) {
            delete attached->second.data();
            entry.windows.erase(attached);
        }
    }
}

MenuHandle Add(SPortMenu entry)
{
    const MenuHandle handle = NextMenu()++;
    Menus().emplace(handle, std::move(entry));
    return handle;
}

} // namespace

MenuHandle CreatePopupMenu()
{
    SPortMenu entry;
    entry.menu = new QMenu();
    return Add(std::move(entry));
}

MenuHandle CreateMenuBar()
{
    return Add(SPortMenu());
}

void DestroyMenu(MenuHandle handle)
{
    SPortMenu* entry = Find(handle);
    if (entry == nullptr)
        return;
    for (auto& [window, widget] : entry->windows)
        delete widget.data();
    QMenu* menu = entry->menu;
    Menus().erase(handle);
    // Deleting the menu takes it out of every bar widget that shows it.
    delete menu;
    for (auto& [other, bar] : Menus())
        std::erase_if(bar.menus, [handle](const auto& shown) { return shown.first == handle; });
}

bool InsertMenuItem(MenuHandle handle, int32_t position, const SMenuItemState& item)
{
    QMenu* menu = FindMenu(handle);
    if (menu == nullptr || position < 0 || position > menu->actions().size())
        return false;
    auto* action = new QAction(menu);
    Apply(action, item);
    menu->insertAction(ActionAt(menu, position), action);
    return true;
}

bool SetMenuItem(MenuHandle handle, int32_t position, const SMenuItemState& item)
{
    QAction* action = ActionAt(FindMenu(handle), position);
    if (action == nullptr)
        return false;
    Apply(action, item);
    return true;
}

bool GetMenuItem(MenuHandle handle, int32_t position, SMenuItemState& item)
{
    const QAction* action = ActionAt(FindMenu(handle), position);
    if (action == nullptr)
        return false;
    item.text = action->text().toStdString();
    item.separator = action->isSeparator();
    item.enabled = action->isEnabled();
    item.checked = action->isChecked();
    item.id = action->data().toUInt();
    return true;
}

void RemoveMenuItem(MenuHandle handle, int32_t position)
{
    QMenu* menu = FindMenu(handle);
    if (QAction* action = ActionAt(menu, position)) {
        menu->removeAction(action);
        delete action;
    }
}

int32_t GetMenuItemCount(MenuHandle handle)
{
    const QMenu* menu = FindMenu(handle);
    return menu != nullptr ? static_cast<int32_t>(menu->actions().size()) : 0;
}

bool AppendMenuToBar(MenuHandle barHandle, MenuHandle menuHandle, const std::string& title)
{
    SPortMenu* bar = Find(barHandle);
    if (bar == nullptr || bar->menu != nullptr || FindMenu(menuHandle) == nullptr)
        return false;
    bar->menus.emplace_back(menuHandle, title);
    Reattach(*bar);
    return true;
}

void SetWindowMenuBar(WindowHandle window, MenuHandle barHandle)
{
    Detach(window);
    SPortMenu* bar = Find(barHandle);
    CPortWindow* portWindow = CPortState::Get().FindWindow(window);
    if (bar == nullptr || bar->menu != nullptr || portWindow == nullptr)
        return;
    bar->windows[window] = MakeBarWidget(portWindow, *bar);
}

MenuHandle GetWindowMenuBar(WindowHandle window)
{
    for (const auto& [handle, entry] : Menus()) {
        auto attached = entry.windows.find(window);
        if (attached != entry.windows.end() && !attached->second.isNull())
            return handle;
    }
    return 0;
}

uint32_t TrackPopupMenu(MenuHandle handle, SPoint screen, WindowHandle window)
{
    QMenu* menu = FindMenu(handle);
    if (menu == nullptr)
        return 0;
    SendInitMenu(window);
    const QAction* chosen = menu->exec(QPoint(screen.x, screen.y));
    return chosen != nullptr ? chosen->data().toUInt() : 0;
}

} // namespace WindowPort
