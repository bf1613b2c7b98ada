#include "framework/classes/Component.h"

#include <algorithm>

VQ_PUBLISH(TComponent) {
    P.Property("Name", &TComponent::Name, &TComponent::SetName).Stored(false);
    P.Property("Tag", &TComponent::Tag, &TComponent::SetTag).Default(0);
}

bool IsValidIdent(const String& ident) {
    if (ident.isEmpty()) return false;
    for (qsizetype i = 0; i < ident.size(); ++i) {
        const char16_t c = ident[i].unicode();
        const bool alpha = (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z') || c == u'_';
        const bool digit = c >= u'0' && c <= u'9';
        if (!(alpha || (i > 0 && digit))) return false;
    }
    return true;
}

TComponent::TComponent(TComponent* AOwner) {
    if (AOwner) AOwner->InsertComponent(this);
}

TComponent::~TComponent() {
    FAlive.Expire();
    Destroying();
    // Those that asked are told first, so they drop their references before we go.
    while (!FFreeNotifies.empty()) {
        TComponent* c = FFreeNotifies.back();
        FFreeNotifies.pop_back();
        c->RemoveNotification(this);
        c->Notification(this, opRemove);
    }
    DestroyComponents();
    if (FOwner) FOwner->RemoveComponent(this);
}

void TComponent::Destroying() {
    if (FComponentState.Contains(csDestroying)) return;
    FComponentState.Include(csDestroying);
    for (TComponent* c : FComponents)
        c->Destroying();
}

void TComponent::DestroyComponents() {
    // Reverse order of creation. Only a component that others refer to (it was asked for
    // free notification) is announced to the survivors; the rest go quietly, which keeps
    // freeing a large form linear.
    while (!FComponents.empty()) {
        TComponent* c = FComponents.back();
        if (c->FComponentState.Contains(csFreeNotification))
            RemoveComponent(c);
        else
            Remove(c);
        delete c;
    }
}

TComponent* TComponent::Components(int index) const {
    if (index < 0 || index >= int(FComponents.size()))
        throw EListError(Exception::Format(QStringLiteral("List index out of bounds (%d)"),
                                           {QString::number(index)}));
    return FComponents[size_t(index)];
}

int TComponent::ComponentIndex() const {
    if (!FOwner) return -1;
    const auto& list = FOwner->FComponents;
    auto it = std::find(list.begin(), list.end(), this);
    return it == list.end() ? -1 : int(it - list.begin());
}

TComponent* TComponent::FindComponent(const String& name) const {
    if (name.isEmpty()) return nullptr;
    return FNameIndex.value(name.toLower(), nullptr);
}

void TComponent::SetName(const String& value) {
    if (FName == value) return;
    if (!value.isEmpty() && !IsValidIdent(value))
        throw EComponentError(
            Exception::Format(QStringLiteral("\"%s\" is not a valid component name"), {value}));
    if (FOwner)
        FOwner->ValidateRename(this, FName, value);
    else
        ValidateRename(nullptr, FName, value);
    if (FOwner && !FName.isEmpty()) FOwner->FNameIndex.remove(FName.toLower());
    FName = value;
    if (FOwner && !FName.isEmpty()) FOwner->FNameIndex[FName.toLower()] = this;
}

void TComponent::ValidateRename(TComponent* AComponent, const String& curName,
                                const String& newName) {
    if (AComponent && !newName.isEmpty() && curName.compare(newName, Qt::CaseInsensitive) != 0) {
        if (TComponent* other = FindComponent(newName); other && other != AComponent)
            throw EComponentError(Exception::Format(
                QStringLiteral("A component named %s already exists"), {newName}));
    }
}

void TComponent::InsertComponent(TComponent* AComponent) {
    if (AComponent->FOwner) AComponent->FOwner->RemoveComponent(AComponent);
    ValidateRename(AComponent, String(), AComponent->FName);
    Insert(AComponent);
    Notification(AComponent, opInsert);
}

void TComponent::RemoveComponent(TComponent* AComponent) {
    Notification(AComponent, opRemove);
    Remove(AComponent);
}

void TComponent::Insert(TComponent* AComponent) {
    FComponents.push_back(AComponent);
    AComponent->FOwner = this;
    if (!AComponent->FName.isEmpty()) FNameIndex[AComponent->FName.toLower()] = AComponent;
}

void TComponent::Remove(TComponent* AComponent) {
    // Components are mostly removed newest first, so search from the back.
    auto it = std::find(FComponents.rbegin(), FComponents.rend(), AComponent);
    if (it != FComponents.rend()) FComponents.erase(std::next(it).base());
    if (!AComponent->FName.isEmpty()) {
        const QString key = AComponent->FName.toLower();
        if (FNameIndex.value(key) == AComponent) FNameIndex.remove(key);
    }
    AComponent->FOwner = nullptr;
}

void TComponent::Notification(TComponent* AComponent, TOperation Operation) {
    if (Operation != opRemove || !AComponent) return;
    RemoveFreeNotification(AComponent);
    // Owned components hear of a sibling's removal through their owner, so references between
    // them are cleared. Insertions are told to the owner alone: nothing needs to hear of them,
    // and telling everyone would make building a large form quadratic.
    for (size_t i = FComponents.size(); i-- > 0;) {
        if (i >= FComponents.size()) continue;
        FComponents[i]->Notification(AComponent, opRemove);
    }
}

void TComponent::FreeNotification(TComponent* AComponent) {
    if (!AComponent || AComponent == this) return;
    // Siblings hear through their owner; the flag makes the owner announce this one's end.
    if (!FOwner || AComponent->FOwner != FOwner) {
        if (std::find(FFreeNotifies.begin(), FFreeNotifies.end(), AComponent) ==
            FFreeNotifies.end())
            FFreeNotifies.push_back(AComponent);
        if (std::find(AComponent->FFreeNotifies.begin(), AComponent->FFreeNotifies.end(), this) ==
            AComponent->FFreeNotifies.end())
            AComponent->FFreeNotifies.push_back(this);
        AComponent->FComponentState.Include(csFreeNotification);
    }
    FComponentState.Include(csFreeNotification);
}

void TComponent::RemoveFreeNotification(TComponent* AComponent) {
    RemoveNotification(AComponent);
    AComponent->RemoveNotification(this);
}

void TComponent::RemoveNotification(TComponent* AComponent) {
    auto it = std::find(FFreeNotifies.begin(), FFreeNotifies.end(), AComponent);
    if (it != FFreeNotifies.end()) FFreeNotifies.erase(it);
}

void TComponent::BeginLoading() {
    FComponentState.Include(csLoading).Include(csReading);
}

void TComponent::CancelLoading() {
    FComponentState.Exclude(csLoading).Exclude(csReading);
}

void TComponent::Loaded() {
    FComponentState.Exclude(csLoading).Exclude(csReading);
}

void TComponent::SetDesigning(bool value) {
    SetComponentStateItem(csDesigning, value);
    for (TComponent* c : FComponents)
        c->SetDesigning(value);
}

void TComponent::SetComponentStateItem(TComponentStateItem item, bool on) {
    if (on)
        FComponentState.Include(item);
    else
        FComponentState.Exclude(item);
}

String TComponent::EventHandlerName(std::string_view eventName) const {
    for (const auto& e : FEventNames)
        if (SameTextAscii(e.first, eventName)) return e.second;
    return {};
}

void TComponent::SetEventHandlerName(std::string_view eventName, const String& handler) {
    for (auto it = FEventNames.begin(); it != FEventNames.end(); ++it)
        if (SameTextAscii(it->first, eventName)) {
            if (handler.isEmpty())
                FEventNames.erase(it);
            else
                it->second = handler;
            return;
        }
    if (!handler.isEmpty()) FEventNames.emplace_back(std::string(eventName), handler);
}

void TComponent::SetParentComponent(TComponent*) {}

void TComponent::GetChildren(const std::function<void(TComponent*)>& proc, TComponent* root) const {
    // A root writes the components it owns that have no parent of their own.
    if (root != this) return;
    for (TComponent* c : FComponents)
        if (!c->HasParent()) proc(c);
}
