#include "menus/Menu.h"

#include <algorithm>
#include <utility>

namespace nq {

namespace {
void Erase(std::vector<TComponent*>& v, TComponent* c) {
    v.erase(std::remove(v.begin(), v.end(), c), v.end());
}
}  // namespace

// --- Owner and components -------------------------------------------------------------------------------

TMenuOwner::~TMenuOwner() {
    for (TComponent* c : components_) c->owner_ = nullptr;
}

void TMenuOwner::InsertComponent(TComponent& c) {
    components_.push_back(&c);
    c.owner_ = this;
    // A copy: a member that reacts may add or remove components.
    const std::vector<TComponent*> told = components_;
    for (TComponent* m : told)
        if (std::find(components_.begin(), components_.end(), m) != components_.end())
            m->Notification(c, TOperation::opInsert);
}

void TMenuOwner::RemoveComponent(TComponent& c) {
    Erase(components_, &c);
    c.owner_ = nullptr;
    const std::vector<TComponent*> told = components_;
    for (TComponent* m : told)
        if (std::find(components_.begin(), components_.end(), m) != components_.end())
            m->Notification(c, TOperation::opRemove);
}

TComponent::~TComponent() {
    LeaveOwner();
}

void TComponent::Notification(TComponent& component, TOperation operation) {
    if (operation == TOperation::opRemove) {
        Erase(watchers_, &component);
        Erase(watching_, &component);
    }
}

void TComponent::FreeNotification(TComponent& watcher) {
    if (&watcher == this) return;
    if (std::find(watchers_.begin(), watchers_.end(), &watcher) == watchers_.end())
        watchers_.push_back(&watcher);
    if (std::find(watcher.watching_.begin(), watcher.watching_.end(), this) == watcher.watching_.end())
        watcher.watching_.push_back(this);
}

void TComponent::RemoveFreeNotification(TComponent& watcher) {
    Erase(watchers_, &watcher);
    Erase(watcher.watching_, this);
}

void TComponent::JoinOwner(TMenuOwner* owner) {
    if (owner) owner->InsertComponent(*this);
}

void TComponent::LeaveOwner() {
    // Runs once: the most derived destructor calls it, the base destructor finds nothing left to do.
    const std::vector<TComponent*> watchers = std::exchange(watchers_, {});
    for (TComponent* w : watchers) {
        Erase(w->watching_, this);
        w->Notification(*this, TOperation::opRemove);
    }
    for (TComponent* w : std::exchange(watching_, {})) Erase(w->watchers_, this);
    if (owner_) owner_->RemoveComponent(*this);
}

// --- Menu items ----------------------------------------------------------------------------------------

TMenuItem::TMenuItem(TMenuOwner* owner) {
    JoinOwner(owner);
}

TMenuItem::~TMenuItem() {
    items_.clear();  // subitems go first, as their parent still stands
    LeaveOwner();
}

void TMenuItem::Click() {
    if (OnClick) OnClick(*this);
}

TMenu* TMenuItem::GetParentMenu() const {
    const TMenuItem* i = this;
    while (i->parent_) i = i->parent_;
    return i->rootOf_;
}

const TImageList* TMenuItem::GetImageList() const {
    for (const TMenuItem* p = parent_; p; p = p->parent_)
        if (p->SubMenuImages) return p->SubMenuImages;
    const TMenu* menu = GetParentMenu();
    return menu ? menu->Images : nullptr;
}

TMenuItem& TMenuItem::Add(std::unique_ptr<TMenuItem> item) {
    item->parent_ = this;
    items_.push_back(std::move(item));
    return *items_.back();
}

void TMenuItem::Delete(int index) {
    if (index < 0 || index >= Count()) return;
    items_.erase(items_.begin() + index);
}

void TMenuItem::Clear() {
    while (!items_.empty()) Delete(0);
}

// --- Menus ---------------------------------------------------------------------------------------------

TMenu::TMenu() : items_(std::make_unique<TMenuItem>()) {
    items_->rootOf_ = this;
}

TMenu::~TMenu() = default;

TMainMenu::TMainMenu(TMenuOwner* owner) {
    JoinOwner(owner);
}
TMainMenu::~TMainMenu() {
    LeaveOwner();
}

TPopupMenu::TPopupMenu(TMenuOwner* owner) {
    JoinOwner(owner);
}
TPopupMenu::~TPopupMenu() {
    LeaveOwner();
}

std::unique_ptr<TMenuItem> NewItem(TMenuOwner* owner, std::string caption, unsigned command) {
    auto item = std::make_unique<TMenuItem>(owner);
    item->Caption = std::move(caption);
    item->Command = command;
    return item;
}

}  // namespace nq
