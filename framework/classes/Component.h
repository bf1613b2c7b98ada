#pragma once
// TComponent: a named object with an owner that frees it. Owned components are freed by their
// owner in reverse order of creation; references between components are cleared through
// Notification (siblings hear of each other through their owner, others by FreeNotification).

#include "framework/classes/TypeInfo.h"

#include <QHash>
#include <functional>
#include <memory>
#include <vector>

VQ_ENUM(TComponentStateItem, uint8_t, csLoading, csReading, csWriting, csDestroying, csDesigning,
        csAncestor, csUpdating, csFixups, csFreeNotification)
using TComponentState = TSet<TComponentStateItem>;

enum TOperation : uint8_t { opInsert, opRemove };

// Expires when its component starts to be destroyed. Code that calls out (an event handler, a
// nested message loop) keeps one and touches the component afterwards only while it holds.
// An object that is no component hands out tokens from a TSource of its own.
class TLifeToken {
public:
    // The side that expires: its tokens expire when it is destroyed or told to Expire.
    class TSource {
    public:
        TSource() = default;
        TSource(const TSource&) = delete;
        TSource& operator=(const TSource&) = delete;
        TLifeToken Token() const { return TLifeToken(FAlive); }
        void Expire() { FAlive.reset(); }

    private:
        std::shared_ptr<const bool> FAlive = std::make_shared<const bool>(true);
    };

    TLifeToken() = default;
    bool Alive() const { return !FAlive.expired(); }
    explicit operator bool() const { return Alive(); }

private:
    explicit TLifeToken(std::weak_ptr<const bool> alive) : FAlive(std::move(alive)) {}
    std::weak_ptr<const bool> FAlive;
};

class TComponent : public TPersistent {
    VQ_CLASS(TComponent, TPersistent)
public:
    explicit TComponent(TComponent* AOwner);
    ~TComponent() override;

    const String& Name() const { return FName; }
    // A valid identifier (or empty), unique among the owner's components; else EComponentError.
    virtual void SetName(const String& value);
    intptr_t Tag() const { return FTag; }
    void SetTag(intptr_t value) { FTag = value; }

    TComponent* Owner() const { return FOwner; }
    int ComponentCount() const { return int(FComponents.size()); }
    TComponent* Components(int index) const; // EListError when out of range
    int ComponentIndex() const;
    TComponent* FindComponent(const String& name) const;
    void InsertComponent(TComponent* AComponent);
    void RemoveComponent(TComponent* AComponent);
    void DestroyComponents();

    TComponentState ComponentState() const { return FComponentState; }
    // Asks to be told (Notification opRemove) when AComponent is destroyed.
    void FreeNotification(TComponent* AComponent);
    void RemoveFreeNotification(TComponent* AComponent);

    // The reader's entry points: loading state set while a description is read, Loaded last.
    void BeginLoading();
    virtual void Loaded();
    // Leaves the loading state without Loaded(), after a failed read.
    void CancelLoading();
    // Designing state: components then do nothing towards the platform.
    void SetDesigning(bool value);
    void Destroying();

    // A token that expires when this component starts to be destroyed.
    TLifeToken LifeToken() const { return FAlive.Token(); }

    // Handler name bound to an event property by a form description, for writing it back.
    String EventHandlerName(std::string_view eventName) const;
    void SetEventHandlerName(std::string_view eventName, const String& handler);

    // Parent-child relation of the component tree as descriptions nest it (controls).
    virtual bool HasParent() const { return false; }
    virtual TComponent* GetParentComponent() const { return nullptr; }
    virtual void SetParentComponent(TComponent* value);
    // Children written inside this component's block, in order.
    virtual void GetChildren(const std::function<void(TComponent*)>& proc, TComponent* root) const;
    // Owner of the children a description nests in this component's block; nullptr: the root
    // (a container that makes its own parts, like a splitter's panes, owns the loaded ones too).
    virtual TComponent* GetChildOwner() const { return nullptr; }

protected:
    virtual void Notification(TComponent* AComponent, TOperation Operation);
    virtual void ValidateRename(TComponent* AComponent, const String& curName,
                                const String& newName);
    void SetComponentStateItem(TComponentStateItem item, bool on);
    // Expires the life token early, for classes whose teardown must not call out any more.
    void ExpireLifeToken() { FAlive.Expire(); }

private:
    void Insert(TComponent* AComponent);
    void Remove(TComponent* AComponent);
    void RemoveNotification(TComponent* AComponent);

    String FName;
    intptr_t FTag = 0;
    TComponent* FOwner = nullptr;
    std::vector<TComponent*> FComponents;
    QHash<QString, TComponent*> FNameIndex; // lower-case name -> owned component
    std::vector<TComponent*> FFreeNotifies;
    TComponentState FComponentState;
    std::vector<std::pair<std::string, String>> FEventNames;
    TLifeToken::TSource FAlive;
};

// Fires an event: only when assigned, through a copy (the handler may reassign or clear it).
// False when the handler destroyed the sender, so the caller must not touch it afterwards:
//   if (!Fire(OnChange, this)) return;
// A sender that is no component (string list, collection) has no token and counts as alive.
template <class... Params, class Sender, class... Args>
bool Fire(const std::function<void(Params...)>& event, Sender* sender, Args&&... args) {
    if (!event) return true;
    const auto handler = event;
    if constexpr (requires { sender->LifeToken(); }) {
        const TLifeToken token = sender->LifeToken();
        handler(sender, std::forward<Args>(args)...);
        return token.Alive();
    } else {
        handler(sender, std::forward<Args>(args)...);
        return true;
    }
}

bool IsValidIdent(const String& ident);
