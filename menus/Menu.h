#pragma once
// A window's menus as plain objects: the menus, their items with everything a renderer asks of them,
// and the window's list of components that tells its members when one comes or goes. The window layer
// (menus/MenuWin32.h) turns a menu into a system menu; the renderer (menus/NqMenus.h) measures and
// paints its items.

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "menus/ShortCut.h"
#include "ui/Geometry.h"

namespace nq {

class ICanvas;
class TImageList;
class TComponent;
class TMenu;
class TMenuItem;

enum class TOperation { opInsert, opRemove };

// A window's components in creation order: its menus, its menu items, its menu renderer.
class TMenuOwner {
public:
    TMenuOwner() = default;
    ~TMenuOwner();
    TMenuOwner(const TMenuOwner&) = delete;
    TMenuOwner& operator=(const TMenuOwner&) = delete;

    const std::vector<TComponent*>& Components() const { return components_; }

    // Redraws the window's menu bar; the window sets it when it has one.
    std::function<void()> OnDrawMenuBar;
    void DrawMenuBar() const {
        if (OnDrawMenuBar) OnDrawMenuBar();
    }

private:
    friend class TComponent;
    void InsertComponent(TComponent& c);
    void RemoveComponent(TComponent& c);
    std::vector<TComponent*> components_;
};

class TComponent {
public:
    virtual ~TComponent();
    TComponent(const TComponent&) = delete;
    TComponent& operator=(const TComponent&) = delete;

    std::string Name;
    TMenuOwner* Owner() const { return owner_; }

    // Told when a component joins or leaves the owner, and when a watched component goes.
    virtual void Notification(TComponent& component, TOperation operation);
    // The watcher hears opRemove when this component goes.
    void FreeNotification(TComponent& watcher);
    void RemoveFreeNotification(TComponent& watcher);

protected:
    TComponent() = default;
    // The most derived constructor joins the owner once the object is whole, and the most derived
    // destructor leaves it while it still is, so that those told may look at it.
    void JoinOwner(TMenuOwner* owner);
    void LeaveOwner();

private:
    friend class TMenuOwner;
    TMenuOwner* owner_ = nullptr;
    std::vector<TComponent*> watchers_;  // told when this goes
    std::vector<TComponent*> watching_;  // told by these when they go
};

struct TOwnerDrawState {
    bool selected = false;
    bool hotLight = false;
};

// A renderer measures and paints an item without changing it.
using TMenuMeasureItemEvent =
    std::function<void(const TMenuItem& item, ICanvas& canvas, int& width, int& height)>;
using TMenuDrawItemEvent =
    std::function<void(const TMenuItem& item, ICanvas& canvas, const Rect& rect, TOwnerDrawState state)>;

class TMenuItem final : public TComponent {
public:
    // An item owned by the window (and listed among its components), or by nobody but its parent item.
    explicit TMenuItem(TMenuOwner* owner = nullptr);
    ~TMenuItem() override;

    std::string Caption;  // "-" makes a separator line
    int Tag = 0;
    int HelpContext = 0;
    bool Default = false;
    bool Enabled = true;
    bool Checked = false;
    bool RadioItem = false;
    bool Visible = true;
    TShortCut ShortCut = 0;
    int ImageIndex = -1;
    const TImageList* SubMenuImages = nullptr;  // pictures of this item's subitems
    std::string Hint;
    unsigned Command = 0;  // the command identifier of the system menu; 0 lets the window layer choose

    std::function<void(TMenuItem&)> OnClick;
    TMenuMeasureItemEvent OnMeasureItem;
    TMenuDrawItemEvent OnDrawItem;
    // Whether the renderer that paints the item lets it be chosen (it may refuse an entry it draws as a
    // title); unset, an enabled item may be.
    std::function<bool(const TMenuItem& item)> OnPodeEscolher;

    bool IsLine() const { return Caption == "-"; }
    void Click();

    // The item above this one; for a first-level entry, the menu's root item.
    TMenuItem* Parent() const { return parent_; }
    // The menu this item is the root of, if it is one.
    TMenu* RootOf() const { return rootOf_; }
    // The menu whose first-level entry this is; nullptr for deeper items.
    TMenu* FirstLevelMenu() const { return parent_ ? parent_->rootOf_ : nullptr; }
    // The menu at the root of the tree.
    TMenu* GetParentMenu() const;
    // The pictures that apply: the nearest parent's SubMenuImages, else the menu's Images.
    const TImageList* GetImageList() const;

    int Count() const { return static_cast<int>(items_.size()); }
    TMenuItem& Items(int index) const { return *items_.at(static_cast<std::size_t>(index)); }
    TMenuItem& Add(std::unique_ptr<TMenuItem> item);
    void Delete(int index);
    void Clear();

private:
    friend class TMenu;
    TMenuItem* parent_ = nullptr;
    TMenu* rootOf_ = nullptr;
    std::vector<std::unique_ptr<TMenuItem>> items_;
};

// A menu bar or a popup menu: its first-level entries are the subitems of Items.
class TMenu : public TComponent {
public:
    ~TMenu() override;
    bool OwnerDraw = false;
    const TImageList* Images = nullptr;
    TMenuItem& Items() const { return *items_; }
    virtual bool IsMainMenu() const = 0;

protected:
    TMenu();

private:
    std::unique_ptr<TMenuItem> items_;
};

class TMainMenu final : public TMenu {
public:
    explicit TMainMenu(TMenuOwner* owner);
    ~TMainMenu() override;
    bool IsMainMenu() const override { return true; }
};

class TPopupMenu final : public TMenu {
public:
    explicit TPopupMenu(TMenuOwner* owner);
    ~TPopupMenu() override;
    bool IsMainMenu() const override { return false; }
};

// A new item with a caption, for the window (joins its components) or for nobody but its parent.
std::unique_ptr<TMenuItem> NewItem(TMenuOwner* owner, std::string caption, unsigned command = 0);

}  // namespace nq
