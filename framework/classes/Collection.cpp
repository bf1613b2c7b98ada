#include "framework/classes/Collection.h"

#include "framework/classes/Component.h"

#include <algorithm>

VQ_PUBLISH(TCollectionItem) {}
VQ_PUBLISH(TCollection) {}

TCollectionItem::TCollectionItem(TCollection* collection) : FCollection(collection) {}

TCollectionItem::~TCollectionItem() {
    if (FCollection) {
        auto& items = FCollection->FItems;
        items.erase(std::remove(items.begin(), items.end(), this), items.end());
    }
}

int TCollectionItem::Index() const {
    if (!FCollection) return -1;
    const auto& items = FCollection->FItems;
    auto it = std::find(items.begin(), items.end(), this);
    return it == items.end() ? -1 : int(it - items.begin());
}

void TCollectionItem::Changed(bool all) {
    if (FCollection) FCollection->Changed(all ? nullptr : this);
}

TCollection::TCollection(TItemFactory factory) : FFactory(std::move(factory)) {}

TCollection::~TCollection() {
    FUpdateCount = 1; // no updates while dying
    Clear();
}

TCollectionItem* TCollection::Items(int index) const {
    if (index < 0 || index >= Count())
        throw EListError(Exception::Format(QStringLiteral("List index out of bounds (%d)"),
                                           {QString::number(index)}));
    return FItems[size_t(index)];
}

TCollectionItem* TCollection::Add() {
    TCollectionItem* item = FFactory(this);
    item->FCollection = this;
    FItems.push_back(item);
    Changed(nullptr);
    return item;
}

void TCollection::Delete(int index) {
    delete Items(index);
    Changed(nullptr);
}

void TCollection::Clear() {
    if (FItems.empty()) return;
    BeginUpdate();
    while (!FItems.empty())
        delete FItems.back();
    EndUpdate();
}

void TCollection::BeginUpdate() {
    ++FUpdateCount;
}

void TCollection::EndUpdate() {
    if (FUpdateCount > 0 && --FUpdateCount == 0) Changed(nullptr);
}

void TCollection::Changed(TCollectionItem* item) {
    if (FUpdateCount == 0) Update(item);
}

void TCollection::Update(TCollectionItem* item) {
    Fire(OnUpdate, this, item);
}

void TCollection::Assign(const TPersistent* Source) {
    if (auto* src = dynamic_cast<const TCollection*>(Source)) {
        if (src == this) return;
        BeginUpdate();
        Clear();
        for (TCollectionItem* item : src->FItems)
            Add()->Assign(item);
        EndUpdate();
        return;
    }
    TPersistent::Assign(Source);
}
